#pragma once

#include <QFont>

class QColor;
class QPainter;
class QPaintDevice;
class QString;

namespace vimo {

// The face of every plot text: "Arial" with a sans-serif style hint (fontconfig gives its metric twin where Arial
// itself is missing), bold, sized so that its cell height (QFontMetrics::height) on `device` comes as close to
// `cellHeight` device pixels as the face allows. Heights below 1 pixel are taken as 1.
QFont plotFont(int cellHeight, const QPaintDevice* device);

// Draws `text` with the top-left corner of its cell at (left, top), on a cell filled with `background`.
void drawTextCell(QPainter& painter, int left, int top, const QString& text, const QColor& colour,
                  const QColor& background);

// The same, turned by 90 degrees so that the text runs upwards from (x, y): the cell's top edge lies on x and the
// text's start on y.
void drawUpwardTextCell(QPainter& painter, int x, int y, const QString& text, const QColor& colour,
                        const QColor& background);

} // namespace vimo
