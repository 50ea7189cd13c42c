#include "plot/PlotLegend.h"

#include "data/Plot.h"
#include "plot/AltitudeDisplay.h"
#include "plot/PaintColour.h"
#include "plot/PlotText.h"
#include "plot/SignalPainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace vimo {
namespace {

// The greyed colour of a hidden data set's row: most of the way from the ink to the paper.
QColor greyed(const QColor& ink, const QColor& paper)
{
    const auto mix = [](int from, int to) { return from + (to - from) * 3 / 5; };
    return QColor(mix(ink.red(), paper.red()), mix(ink.green(), paper.green()), mix(ink.blue(), paper.blue()));
}

} // namespace

LegendLayout drawPlotLegend(QPainter& painter, int ppiX, int ppiY, const Plot& plot, const PlotLayout& layout,
                            bool inColor, const QColor& ink, const QColor& paper)
{
    const int rows = plot.signals.size();
    if (rows == 0)
        return {};

    painter.save();
    painter.setFont(plotFont(std::max(layout.pageHeight / 30, 1), painter.device()));
    const QFontMetrics metrics = painter.fontMetrics();
    const int rowHeight = metrics.height();
    const int stretch = std::max(ppiX / 3, 8);
    const int gap = std::max(ppiX / 20, 2);
    int textWidth = 0;
    for (int k = 0; k < rows; ++k)
        textWidth = std::max(textWidth, metrics.horizontalAdvance(legendText(plot, k)));

    const int width = gap + stretch + gap + textWidth + gap;
    const int height = gap + rows * rowHeight + gap;
    const int inset = std::max(ppiY / 20, 2);
    LegendLayout legend;
    legend.box = QRect(layout.plotRight - inset - width, layout.plotTop + inset, width, height);
    legend.rowsTop = legend.box.top() + gap;
    legend.rowHeight = rowHeight;
    legend.rows = rows;

    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(legend.box, paper);
    painter.setPen(QPen(ink, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(legend.box.adjusted(0, 0, -1, -1));

    const QColor grey = greyed(ink, paper);
    for (int k = 0; k < rows; ++k) {
        const Signal& line = plot.signals.at(k).altitude;
        const int top = legend.rowsTop + k * rowHeight;
        const int y = top + rowHeight / 2;
        Qt::PenStyle style = Qt::NoPen;
        if (linePenStyle(line.lineStyle, style)) {
            const QColor colour = !line.visible ? grey : inColor ? paintColour(line.lineColor) : QColor(Qt::black);
            const int penWidth = style == Qt::SolidLine ? std::max(ppiX / 150, 2) : 1;
            painter.setPen(QPen(colour, penWidth, style, Qt::FlatCap, Qt::MiterJoin));
            painter.drawLine(legend.box.left() + gap, y, legend.box.left() + gap + stretch, y);
        }
        drawTextCell(painter, legend.box.left() + gap + stretch + gap, top, legendText(plot, k),
                     line.visible ? ink : grey, paper);
    }
    painter.restore();
    return legend;
}

int legendEntryAt(const PlotLayout& layout, int x, int y)
{
    const LegendLayout& legend = layout.legend;
    if (legend.rows <= 0 || legend.rowHeight <= 0 || !legend.box.contains(x, y) || y < legend.rowsTop)
        return -1;
    const int row = (y - legend.rowsTop) / legend.rowHeight;
    return row < legend.rows ? row : -1;
}

} // namespace vimo
