#include "app/session/PlotPrinter.h"

#include <QPainter>
#include <QPrinter>

namespace vimo {

PrintResult printPlot(QPrinter& printer, const Plot& plot, const PrintSettings& settings, const RenderOptions& options)
{
    PrintResult result;
    QPainter painter;
    if (!painter.begin(&printer)) {
        result.message = QStringLiteral("The printer could not start the page.");
        return result;
    }
    result.layout = renderPlot(painter, printer.logicalDpiX(), printer.logicalDpiY(), plot, settings, options);
    if (!painter.end()) {
        result.message = QStringLiteral("The printer could not finish the page.");
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace vimo
