#include "plot/PixelMapping.h"

#include "data/Plot.h"

namespace vimo {
namespace {

// lo + (offset / size) of span, or lo when there is no size to divide by.
double along(double lo, double span, double offset, double size)
{
    if (size == 0)
        return lo;
    return offset * span / size + lo;
}

} // namespace

bool isOnDataArea(const DataAreaPixels& area, int x, int y)
{
    return area.left <= x && x <= area.right && area.top <= y && y <= area.bottom;
}

PlotPoint valueAtPixel(const Plot& plot, const DataAreaPixels& area, int x, int y)
{
    PlotPoint p;
    p.t = along(plot.xMin, plot.xMax - plot.xMin, double(x) - area.left, double(area.right) - area.left);
    const double fromTop = along(0, plot.yMax - plot.yMin, double(y) - area.top, double(area.bottom) - area.top);
    p.a = plot.yMax - fromTop;
    return p;
}

} // namespace vimo
