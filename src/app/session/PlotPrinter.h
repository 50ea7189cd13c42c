#pragma once

#include "plot/PlotLayout.h"
#include "plot/PlotRenderer.h"
#include "plot/PrintSettings.h"

#include <QString>

class QPrinter;

namespace vimo {

struct Plot;

struct PrintResult {
    bool ok = false;
    QString message; // what failed, when not ok
    PlotLayout layout;
};

// Prints the plot as one page on `printer` (already set up, for example by the print dialog): rendered at the
// printer's resolution, settings.widthInches x settings.heightInches large, settings.leftInches and
// settings.topInches from the origin of the printer's page, in colour when settings.inColor is set.
// `options` choose what is drawn beyond the plot itself (the legend).
PrintResult printPlot(QPrinter& printer, const Plot& plot, const PrintSettings& settings,
                      const RenderOptions& options = {});

} // namespace vimo
