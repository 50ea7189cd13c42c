#include "data/AutoScale.h"

#include "data/AltitudeAxis.h"
#include "data/Plot.h"

#include <cmath>
#include <limits>

namespace vimo {
namespace {

// Scans every altitude Signal's times (or altitudes, in the axis unit) from the start values 99999 / -99999 as the
// rule says. Returns false when no sample exists.
bool scanValues(const Plot& plot, bool times, double& min, double& max)
{
    min = 99999;
    max = -99999;
    bool any = false;
    for (int k = 0; k < plot.signals.size(); ++k) {
        const DataSet& set = plot.signals.at(k);
        const SampleSeries& series = set.altitude.series;
        const auto& values = times ? series.times() : series.altitudes();
        double low = std::numeric_limits<double>::infinity();
        double high = -low;
        for (const double v : values) {
            if (v < low)
                low = v;
            if (v > high)
                high = v;
        }
        // A positive factor keeps the order, so the set's own extremes converted are its extremes on the axis.
        const double factor = times ? 1.0 : toAxisFactor(plot, set);
        if (low * factor < min)
            min = low * factor;
        if (high * factor > max)
            max = high * factor;
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
