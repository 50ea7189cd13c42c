#include "plot/PlotText.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vimo {
namespace {

constexpr int kLargestCell = 20000; // taller than any page we render

int cellHeightOf(QFont& font, int pixelSize, const QPaintDevice* device)
{
    font.setPixelSize(pixelSize);
    return device ? QFontMetrics(font, device).height() : QFontMetrics(font).height();
}

} // namespace

QFont plotFont(int cellHeight, const QPaintDevice* device)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);

    const int target = std::clamp(cellHeight, 1, kLargestCell);
    // The cell is taller than the pixel size by the face's leading; start from a guess and correct in proportion.
    int size = std::max(1, target * 9 / 10);
    int bestSize = size;
    int bestError = -1;
    for (int attempt = 0; attempt < 4; ++attempt) {
        const int height = cellHeightOf(font, size, device);
        const int error = std::abs(height - target);
        if (bestError < 0 || error < bestError || (error == bestError && height <= target && size < bestSize)) {
            bestError = error;
            bestSize = size;
        }
        if (error == 0 || height <= 0)
            break;
        int next = std::max(1, int(std::lround(double(size) * target / height)));
        if (next == size)
            next = height < target ? size + 1 : size - 1;
        if (next < 1)
            break;
        size = next;
    }
    font.setPixelSize(bestSize);
    return font;
}

void drawTextCell(QPainter& painter, int left, int top, const QString& text, const QColor& colour,
                  const QColor& background)
{
    const QFontMetrics metrics = painter.fontMetrics();
    painter.fillRect(QRect(left, top, metrics.horizontalAdvance(text), metrics.height()), background);
    const QPen pen = painter.pen(); // the geometry's pen stays as it was
    painter.setPen(colour);
    painter.drawText(QPoint(left, top + metrics.ascent()), text);
    painter.setPen(pen);
}

void drawUpwardTextCell(QPainter& painter, int x, int y, const QString& text, const QColor& colour,
                        const QColor& background)
{
    painter.save();
    painter.translate(x, y);
    painter.rotate(-90);
    drawTextCell(painter, 0, 0, text, colour, background);
    painter.restore();
}

} // namespace vimo
