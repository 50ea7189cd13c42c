#include "plot/ReadoutBox.h"

#include "plot/CursorValues.h"
#include "plot/PaintColour.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace vimo {
namespace {

// The box's measures in a font: margins, the colour stretch and the widths of the columns.
struct BoxMetrics {
    int pad = 0;
    int gap = 0;
    int swatch = 0;
    int row = 0;
    int name = 0;
    int altitude = 0;
    int climb = 0;
    int time = 0;

    BoxMetrics(const QFontMetrics& m, const CursorValues& values)
        : pad(std::max(m.height() / 4, 2)), gap(std::max(m.height() / 2, 4)), swatch(m.height()), row(m.height()),
          time(m.horizontalAdvance(cursorTimeText(values)))
    {
        for (const CursorValue& v : values.sets) {
            name = std::max(name, m.horizontalAdvance(v.name));
            altitude = std::max(altitude, m.horizontalAdvance(cursorAltitudeText(values, v)));
            climb = std::max(climb, m.horizontalAdvance(cursorClimbText(values, v)));
        }
    }

    int rowsWidth(const CursorValues& values) const
    {
        return values.sets.empty() ? 0 : swatch + gap + name + gap + altitude + gap + climb;
    }
};

} // namespace

QSize readoutBoxSize(const QFontMetrics& metrics, const CursorValues& values)
{
    const BoxMetrics b(metrics, values);
    const int width = std::max(b.time, b.rowsWidth(values)) + 2 * b.pad;
    const int height = (1 + int(values.sets.size())) * b.row + 2 * b.pad;
    return {width, height};
}

QRect placeReadoutBox(QSize box, int cursorX, const QRect& area)
{
    constexpr int offset = 8; // pixels between the line and the box, and below the area's top
    int left = cursorX + offset;
    if (left + box.width() > area.right() + 1)
        left = cursorX - offset - box.width();
    left = std::max(std::min(left, area.right() + 1 - box.width()), area.left());
    return QRect(QPoint(left, area.top() + offset), box);
}

void paintReadoutBox(QPainter& painter, const QRect& box, const CursorValues& values, const QColor& ink,
                     const QColor& paper)
{
    painter.save();
    const QFontMetrics metrics = painter.fontMetrics();
    const BoxMetrics b(metrics, values);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(box, paper);
    painter.setPen(QPen(ink, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.adjusted(0, 0, -1, -1));

    const int left = box.left() + b.pad;
    int top = box.top() + b.pad;
    painter.drawText(QPoint(left, top + metrics.ascent()), cursorTimeText(values));
    for (const CursorValue& v : values.sets) {
        top += b.row;
        const int baseline = top + metrics.ascent();
        const QRect swatch(left, top + b.row / 2 - 1, b.swatch, std::max(b.row / 6, 2));
        painter.fillRect(swatch, paintColour(v.colour));
        int x = left + b.swatch + b.gap;
        painter.setPen(ink);
        painter.drawText(QPoint(x, baseline), v.name);
        x += b.name + b.gap;
        // Numbers right-aligned in their columns, so that their digits line up.
        const QString altitude = cursorAltitudeText(values, v);
        painter.drawText(QPoint(x + b.altitude - metrics.horizontalAdvance(altitude), baseline), altitude);
        x += b.altitude + b.gap;
        const QString climb = cursorClimbText(values, v);
        painter.drawText(QPoint(x + b.climb - metrics.horizontalAdvance(climb), baseline), climb);
    }
    painter.restore();
}

} // namespace vimo
