#pragma once

#include <QColor>
#include <QRect>
#include <QSize>

class QFontMetrics;
class QPainter;

namespace vimo {

struct CursorValues;

// The small box of the cursor read-out that the plot window draws beside its cursor line: the time on top, then a
// row per visible data set with a stretch of its colour, its name, its altitude and its climb rate, in aligned
// columns. Drawn in the painter's current font.

// The size of the box for these values in a font of these metrics.
QSize readoutBoxSize(const QFontMetrics& metrics, const CursorValues& values);

// Where the box goes for a cursor line at x on the data area `area`: its top left a little right of the line, or
// left of it where the box would leave the area on the right; at the area's top. Kept inside the area as far as it
// fits.
QRect placeReadoutBox(QSize box, int cursorX, const QRect& area);

// Draws the box at `box` (from placeReadoutBox) with `painter`: filled with `paper`, framed and written in `ink`.
void paintReadoutBox(QPainter& painter, const QRect& box, const CursorValues& values, const QColor& ink = Qt::black,
                     const QColor& paper = Qt::white);

} // namespace vimo
