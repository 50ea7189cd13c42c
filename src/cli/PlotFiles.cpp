#include "cli/PlotFiles.h"

#include "cli/DataFiles.h"
#include "data/AutoScale.h"
#include "data/Plot.h"

#include <cmath>
#include <limits>

namespace vimo::cli {

bool loadPlotFiles(const char* command, const QStringList& files, Plot& plot, QTextStream& err)
{
    const double unset = std::numeric_limits<double>::quiet_NaN();
    plot.setRange({unset, unset, unset, unset});
    if (!loadDataFilesReporting(command, files, plot, err))
        return false;
    const PlotRange defaults;
    if (std::isnan(plot.xMin) || std::isnan(plot.xMax)) {
        autoScaleTime(plot);
        if (std::isnan(plot.xMin) || std::isnan(plot.xMax)) { // no sample anywhere
            plot.xMin = defaults.xMin;
            plot.xMax = defaults.xMax;
        }
    }
    if (std::isnan(plot.yMin) || std::isnan(plot.yMax)) {
        autoScaleAltitude(plot);
        if (std::isnan(plot.yMin) || std::isnan(plot.yMax)) {
            plot.yMin = defaults.yMin;
            plot.yMax = defaults.yMax;
        }
    }
    return true;
}

} // namespace vimo::cli
