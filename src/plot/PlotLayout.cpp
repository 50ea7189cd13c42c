#include "plot/PlotLayout.h"

#include "data/Plot.h"

#include <algorithm>
#include <cmath>

namespace vimo {
namespace {

// Layout values stay within +-2^29 so that the sums the renderer forms from them (positions plus marker sizes,
// the right pin plus the data area's left edge) never overflow 32 bits.
constexpr double kCoordinateLimit = double(1 << 29);

int truncToInt(double v)
{
    if (std::isnan(v))
        return 0;
    return int(std::clamp(std::trunc(v), -kCoordinateLimit, kCoordinateLimit));
}

// Pixels per unit of a range, or 0 when the range is empty, reversed or too wide to scale: every value that
// passes the range tests then maps to the start of the data area.
double scaleOf(int pixels, double min, double max)
{
    const double span = max - min;
    if (!(span > 0))
        return 0;
    const double q = double(pixels) / span;
    return std::isfinite(q) ? q : 0;
}

} // namespace

int PlotLayout::rightPin() const
{
    return std::max(9999, plotWidth() + 2);
}

PlotLayout computePlotLayout(int ppiX, int ppiY, const PrintSettings& page, bool climbAxis)
{
    const double left = double(ppiX) * page.leftInches;
    const double top = double(ppiY) * page.topInches;
    const int w = truncToInt(double(ppiX) * page.widthInches);
    const int h = truncToInt(double(ppiY) * page.heightInches);

    PlotLayout l;
    l.pageWidth = w;
    l.pageHeight = h;
    l.pageLeft = truncToInt(left);
    l.pageTop = truncToInt(top);
    l.pageRight = truncToInt(w + left);
    l.pageBottom = truncToInt(h + top);
    l.yLabelLeft = truncToInt(w / 20 + left);
    l.titleTop = truncToInt(h / 30 + top);
    l.plotLeft = l.yLabelLeft + w / 10;
    l.plotTop = l.titleTop + h / 7;
    l.plotRight = truncToInt((w - w / 12 - (climbAxis ? w / 10 : 0)) + left);
    l.plotBottom = truncToInt((h - 2 * h / 12) + top);
    l.xLabelTop = truncToInt((h - h / 12) + top);
    return l;
}

PixelMapper::PixelMapper(const Plot& plot, const PlotLayout& layout)
    : m_xMin(plot.xMin), m_xMax(plot.xMax), m_yMin(plot.yMin), m_yMax(plot.yMax),
      m_xScale(scaleOf(layout.plotWidth(), plot.xMin, plot.xMax)),
      m_yScale(scaleOf(layout.plotHeight(), plot.yMin, plot.yMax)), m_height(layout.plotHeight()),
      m_rightPin(layout.rightPin())
{
}

int timeToPixel(const Plot& plot, const PlotLayout& layout, double t)
{
    return PixelMapper(plot, layout).timeToPixel(t);
}

int altitudeToPixel(const Plot& plot, const PlotLayout& layout, double a)
{
    return PixelMapper(plot, layout).altitudeToPixel(a);
}

} // namespace vimo
