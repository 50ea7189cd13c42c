#include "plot/LaunchAlignment.h"

#include "analysis/FlightAnalysis.h"
#include "data/AutoScale.h"
#include "data/Plot.h"
#include "plot/AltitudeDisplay.h"

namespace vimo {

void recordFirstLaunch(DataSet& set, const FlightReport& report)
{
    if (report.flights.empty())
        set.firstLaunch.reset();
    else
        set.firstLaunch = report.flights.front().launch;
}

void findFirstLaunches(Plot& plot)
{
    for (int k = 0; k < plot.signals.size(); ++k) {
        DataSet& set = plot.signals.at(k);
        AnalysisOptions options;
        options.launchEnds = set.launchEnds;
        recordFirstLaunch(set, analyseFlights(set.altitude, analysisUnit(plot, set), options));
    }
}

void setAlignAtLaunch(Plot& plot, bool on)
{
    if (on)
        findFirstLaunches(plot);
    plot.alignAtLaunch = on;
    autoScaleTime(plot);
}

} // namespace vimo
