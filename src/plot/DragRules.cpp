#include "plot/DragRules.h"

#include "data/Plot.h"

#include <algorithm>
#include <cmath>

namespace vimo {
namespace {

bool isSample(const SampleSeries& series, int i)
{
    return i >= 0 && i < series.count();
}

} // namespace

bool isLargeDrag(const PlotPoint& anchor, const PlotPoint& current)
{
    // Truncated in double precision: a drag over a huge range must not overflow an integer.
    return std::fabs(std::trunc(anchor.t - current.t)) > 1 && std::fabs(std::trunc(anchor.a - current.a)) > 1;
}

bool zoomToDrag(Plot& plot, const PlotPoint& anchor, const PlotPoint& current)
{
    if (!isLargeDrag(anchor, current))
        return false;
    plot.setRange({std::min(anchor.t, current.t), std::max(anchor.t, current.t), std::min(anchor.a, current.a),
                   std::max(anchor.a, current.a)});
    return true;
}

bool placeRateMark(DataSet& set, int start, int end, const PlotPoint& anchor, const PlotPoint& current)
{
    const SampleSeries& series = set.altitude.series;
    if (!isLargeDrag(anchor, current) || !isSample(series, start) || !isSample(series, end) || start == end)
        return false;
    return set.addRateMark(start, end);
}

bool togglePeakTag(DataSet& set, int sample)
{
    SampleSeries& series = set.altitude.series;
    if (!isSample(series, sample))
        return false;
    series.setTag(sample, series.tag(sample) != 0 ? 0 : 1);
    return true;
}

} // namespace vimo
