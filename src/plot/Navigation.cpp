#include "plot/Navigation.h"

#include "data/Plot.h"

#include <algorithm>
#include <cmath>

namespace vimo {
namespace {

constexpr double kMinZoomSpan = 10;

bool isDrawable(const PlotRange& r)
{
    return std::isfinite(r.xMin) && std::isfinite(r.xMax) && std::isfinite(r.yMin) && std::isfinite(r.yMax)
           && std::isfinite(r.xMax - r.xMin) && std::isfinite(r.yMax - r.yMin);
}

void setIfDrawable(Plot& plot, const PlotRange& r)
{
    if (isDrawable(r))
        plot.setRange(r);
}

// New view of spans factor x the old ones (at least kMinZoomSpan) around the old centre.
void zoom(Plot& plot, double factor)
{
    const double spanX = plot.xMax - plot.xMin;
    const double spanY = plot.yMax - plot.yMin;
    const double cX = plot.xMin + spanX * 0.5;
    const double cY = plot.yMin + spanY * 0.5;
    const double nX = std::max(spanX * factor, kMinZoomSpan);
    const double nY = std::max(spanY * factor, kMinZoomSpan);
    PlotRange r;
    r.xMin = cX - nX * 0.5;
    r.xMax = r.xMin + nX;
    r.yMin = cY - nY * 0.5;
    r.yMax = r.yMin + nY;
    setIfDrawable(plot, r);
}

// The new [lo, hi] of span newSpan that keeps `fixed` at the same fraction of the axis as in [lo, hi].
void zoomAxisAt(double& lo, double& hi, double fixed, double newSpan)
{
    const double span = hi - lo;
    const double fraction = span != 0 ? (fixed - lo) / span : 0.5;
    lo = fixed - fraction * newSpan;
    hi = lo + newSpan;
}

} // namespace

void zoomAt(Plot& plot, const PlotPoint& fixed, double factor)
{
    PlotRange r = plot.range();
    zoomAxisAt(r.xMin, r.xMax, fixed.t, std::max((r.xMax - r.xMin) * factor, kMinZoomSpan));
    zoomAxisAt(r.yMin, r.yMax, fixed.a, std::max((r.yMax - r.yMin) * factor, kMinZoomSpan));
    setIfDrawable(plot, r);
}

void zoomIn(Plot& plot)
{
    zoom(plot, 0.5);
}

void zoomOut(Plot& plot)
{
    zoom(plot, 2);
}

void resetView(Plot& plot)
{
    plot.setRange(plot.homeRange);
}

void homeView(Plot& plot)
{
    plot.setRange(PlotRange{});
}

void pan(Plot& plot, PanDirection direction, double fraction)
{
    PlotRange r = plot.range();
    const bool horizontal = direction == PanDirection::Left || direction == PanDirection::Right;
    const double sign = (direction == PanDirection::Right || direction == PanDirection::Up) ? 1 : -1;
    double& lo = horizontal ? r.xMin : r.yMin;
    double& hi = horizontal ? r.xMax : r.yMax;
    const double shift = sign * (hi - lo) * fraction;
    lo += shift;
    hi += shift;
    setIfDrawable(plot, r);
}

void stretchAxis(Plot& plot, Axis axis, double factor)
{
    PlotRange r = plot.range();
    if (axis == Axis::Time)
        r.xMax = r.xMin + (r.xMax - r.xMin) * factor;
    else
        r.yMax = r.yMin + (r.yMax - r.yMin) * factor;
    setIfDrawable(plot, r);
}

} // namespace vimo
