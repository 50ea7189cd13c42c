#pragma once

#include <QString>
#include <vector>

namespace vimo {

struct Plot;
struct PlotLayout;

// One tick of an axis as the renderer draws it: its device pixel (x on the time axis, y on the altitude axis)
// and its label.
struct AxisTick {
    int pixel = 0;
    QString label;
};

// The ticks of the visible range by chooseTicks, values accumulated by repeated addition, each label printed with
// the chosen number of decimals independently of the user's locale.
std::vector<AxisTick> timeAxisTicks(const Plot& plot, const PlotLayout& layout);
std::vector<AxisTick> altitudeAxisTicks(const Plot& plot, const PlotLayout& layout);

// The average climb line, "Avg Climb = " and the rate of the first data set over the visible time range in three
// significant digits, in the axis unit: from its first raw sample not before xMin to its last one not after xMax, 0 when either is
// missing or both have one time. Empty when there is no data set.
QString averageClimbText(const Plot& plot);

} // namespace vimo
