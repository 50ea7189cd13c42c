#include "TestImages.h"

#include <QPainter>
#include <set>

namespace vimo::test {

QImage fewColourPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(10, 10, width - 20, height - 20), QColor(0xF0, 0xF8, 0xFF));
    const QColor lines[] = {Qt::blue, Qt::red, QColor(0, 128, 0), Qt::magenta, QColor(128, 128, 128)};
    for (int i = 0; i < 5; ++i) {
        p.setPen(QPen(lines[i], 1 + i % 2));
        p.drawLine(12, 12 + 15 * i, width - 12, height - 40 + 5 * i);
    }
    return image;
}

QImage manyColourPicture(int width, int height)
{
    QImage image = fewColourPicture(width, height);
    for (int y = height / 3; y < 2 * height / 3; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, (y * 7 + x) % 256, 255 - x * 255 / width));
    return image;
}

int distinctColours(const QImage& image)
{
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y) & 0xFFFFFF);
    return int(colours.size());
}

} // namespace vimo::test
