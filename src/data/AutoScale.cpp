#include "data/AutoScale.h"

#include "data/Plot.h"

#include <cmath>

namespace vimo {
namespace {

// Scans every altitude Signal's times (or altitudes) from the start values 99999 / -99999 as the rule says.
// Returns false when no sample exists.
bool scanValues(const Plot& plot, bool times, double& min, double& max)
{
    min = 99999;
    max = -99999;
    bool any = false;
    for (int k = 0; k < plot.signals.size(); ++k) {
        const SampleSeries& series = plot.signals.at(k).altitude.series;
        const auto& values = times ? series.times() : series.altitudes();
        for (const double v : values) {
            if (v < min)
                min = v;
            if (v > max)
                max = v;
        }
        any = any || !values.empty();
    }
    return any;
}

} // namespace

void autoScaleRange(double min, double max, double& lower, double& upper)
{
    double range = max - min;
    if (range == 0)
        range = 1;
    // Truncation is done in double precision: a 32-bit truncation overflows on large values.
    const double unit = std::pow(10.0, std::trunc(std::log10(range)));
    const double m = std::trunc(range / unit);
    lower = std::trunc(min / unit) * unit + 0.0; // + 0.0: never a negative zero (it would be written as "-0")
    upper = lower + (m + 1) * unit;
    if (!(max < upper))
        upper = upper + unit;
}

void autoScaleTime(Plot& plot)
{
    double min = 0;
    double max = 0;
    if (!scanValues(plot, true, min, max))
        return;
    autoScaleRange(min, max, plot.xMin, plot.xMax);
    plot.homeRange.xMin = plot.xMin;
    plot.homeRange.xMax = plot.xMax;
}

void autoScaleAltitude(Plot& plot)
{
    double min = 0;
    double max = 0;
    if (!scanValues(plot, false, min, max))
        return;
    autoScaleRange(min, max, plot.yMin, plot.yMax);
    plot.homeRange.yMin = plot.yMin;
    plot.homeRange.yMax = plot.yMax;
}

} // namespace vimo
