#include "plot/PlotLegend.h"

#include "data/Plot.h"
#include "plot/AltitudeDisplay.h"
#include "plot/PaintColour.h"
#include "plot/PlotLayout.h"
#include "plot/PlotText.h"
#include "plot/SignalPainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <vector>

namespace vimo {

QRect drawPlotLegend(QPainter& painter, int ppiX, int ppiY, const Plot& plot, const PlotLayout& layout, bool inColor,
                     const QColor& ink, const QColor& paper)
{
    struct Row {
        const Signal* line;
        QString text;
    };
    std::vector<Row> rows;
    for (int k = 0; k < plot.signals.size(); ++k) {
        const Signal& altitude = plot.signals.at(k).altitude;
        if (altitude.visible)
            rows.push_back({&altitude, legendText(plot, k)});
    }
    if (rows.empty())
        return {};

    painter.save();
    painter.setFont(plotFont(std::max(layout.pageHeight / 30, 1), painter.device()));
    const QFontMetrics metrics = painter.fontMetrics();
    const int rowHeight = metrics.height();
    const int stretch = std::max(ppiX / 3, 8);
    const int gap = std::max(ppiX / 20, 2);
    int textWidth = 0;
    for (const Row& row : rows)
        textWidth = std::max(textWidth, metrics.horizontalAdvance(row.text));

    const int width = gap + stretch + gap + textWidth + gap;
    const int height = gap + int(rows.size()) * rowHeight + gap;
    const int inset = std::max(ppiY / 20, 2);
    const QRect box(layout.plotRight - inset - width, layout.plotTop + inset, width, height);

    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(box, paper);
    painter.setPen(QPen(ink, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.adjusted(0, 0, -1, -1));

    int top = box.top() + gap;
    for (const Row& row : rows) {
        const int y = top + rowHeight / 2;
        Qt::PenStyle style = Qt::NoPen;
        if (linePenStyle(row.line->lineStyle, style)) {
            const QColor colour = inColor ? paintColour(row.line->lineColor) : QColor(Qt::black);
            const int penWidth = style == Qt::SolidLine ? std::max(ppiX / 150, 2) : 1;
            painter.setPen(QPen(colour, penWidth, style, Qt::FlatCap, Qt::MiterJoin));
            painter.drawLine(box.left() + gap, y, box.left() + gap + stretch, y);
        }
        drawTextCell(painter, box.left() + gap + stretch + gap, top, row.text, ink, paper);
        top += rowHeight;
    }
    painter.restore();
    return box;
}

} // namespace vimo
