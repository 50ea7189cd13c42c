#include "RenderFixture.h"

#include <QPainter>
#include <cmath>
#include <random>

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

void fillFlight(DataSet& set, int n, std::uint32_t seed)
{
    std::mt19937 random(seed);
    std::normal_distribution<double> noise(0.0, 1.5);
    std::uniform_real_distribution<double> pick(0.0, 1.0);
    const double ceiling = 150.0 + 150.0 * pick(random); // launch height
    const double period = 300.0 + 900.0 * pick(random);  // thermal cycle in samples
    const double lift = 20.0 + 60.0 * pick(random);
    SampleSeries& s = set.altitude.series;
    s.clear();
    const int launch = n / 40;
    const int glide = n * 3 / 4;
    for (int i = 0; i < n; ++i) {
        double altitude;
        if (i < launch)
            altitude = ceiling * i / launch;
        else if (i < glide)
            altitude = ceiling + lift * std::sin((i - launch) / period) + 0.2 * lift * std::sin(i / 41.0);
        else
            altitude = std::max(0.0, (ceiling + lift * std::sin((glide - launch) / period)) * (n - i) / (n - glide));
        s.append(i * 0.5, altitude + noise(random));
    }
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
