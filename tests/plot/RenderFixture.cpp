#include "RenderFixture.h"

#include <QPainter>
#include <cmath>

namespace vimo::test {

Rendering renderOnImage(const Plot& plot, int ppi, const PrintSettings& page, const RenderOptions& options)
{
    const int w = int(std::trunc(ppi * page.widthInches + ppi * page.leftInches));
    const int h = int(std::trunc(ppi * page.heightInches + ppi * page.topInches));
    Rendering r;
    r.image = QImage(w, h, QImage::Format_RGB32);
    r.image.fill(Qt::darkCyan); // a colour the plot never uses: shows what the rendering leaves untouched
    const int dotsPerMeter = int(std::lround(ppi / 0.0254));
    r.image.setDotsPerMeterX(dotsPerMeter);
    r.image.setDotsPerMeterY(dotsPerMeter);
    QPainter painter(&r.image);
    r.layout = renderPlot(painter, ppi, ppi, plot, page, options);
    return r;
}

PrintSettings pageOf(double widthInches, double heightInches, bool inColor)
{
    PrintSettings page;
    page.widthInches = widthInches;
    page.heightInches = heightInches;
    page.inColor = inColor;
    return page;
}

int differingPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return a.width() * a.height();
    int n = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* ra = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            n += (ra[x] & 0xFFFFFF) != (rb[x] & 0xFFFFFF) ? 1 : 0;
    }
    return n;
}

int countColour(const QImage& image, const QRect& area, QRgb colour)
{
    const QRect r = area.intersected(image.rect());
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF) ? 1 : 0;
    return n;
}

} // namespace vimo::test
