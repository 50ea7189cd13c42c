#include "data/AutoScale.h"

#include "data/Plot.h"
#include "data/SetView.h"

#include <cmath>
#include <limits>

namespace vimo {
namespace {

// Scans every altitude Signal's times (shifted as the view shows them) or altitudes (in the axis unit) from the
// start values 99999 / -99999 as the rule says. Returns false when no sample exists.
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
        // The view shifts times and converts altitudes by a positive factor: both keep the order, so the set's own
        // extremes are its extremes on the axis.
        const SetView view = setView(plot, set);
        const double lowOnAxis = times ? view.axisTime(low) : view.axisAltitude(low);
        const double highOnAxis = times ? view.axisTime(high) : view.axisAltitude(high);
        if (lowOnAxis < min)
            min = lowOnAxis;
        if (highOnAxis > max)
            max = highOnAxis;
        any = any || !values.empty();
    }
    return any;
}

} // namespace

namespace {

// The rule; `downward` rounds the lower end down to a whole unit instead of toward zero.
void scaleRange(double min, double max, bool downward, double& lower, double& upper)
{
    double range = max - min;
    if (range == 0)
        range = 1;
    // Truncation is done in double precision: a 32-bit truncation overflows on large values.
    const double unit = std::pow(10.0, std::trunc(std::log10(range)));
    const double m = std::trunc(range / unit);
    const double units = min / unit;
    lower = (downward ? std::floor(units) : std::trunc(units)) * unit + 0.0; // + 0.0: never a negative zero ("-0")
    upper = lower + (m + 1) * unit;
    if (!(max < upper))
        upper = upper + unit;
}

} // namespace

void autoScaleRange(double min, double max, double& lower, double& upper)
{
    scaleRange(min, max, false, lower, upper);
}

void autoScaleTime(Plot& plot)
{
    double min = 0;
    double max = 0;
    if (!scanValues(plot, true, min, max))
        return;
    // Aligned at launch, the time before each launch is negative: the lower end rounds down so that it stays in
    // view (toward zero it would cut it off).
    scaleRange(min, max, plot.alignAtLaunch, plot.xMin, plot.xMax);
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
