#include "plot/Ticks.h"

#include <algorithm>
#include <cmath>

namespace vimo {
namespace {

// Upper bound on tick values: with at most 12 steps in the span (plus rounding) a correct rule never gets near it;
// it only stops a loop whose additions no longer change the value.
constexpr int kMaxTicks = 64;

} // namespace

int Ticks::count() const
{
    int n = 0;
    double v = first;
    while (n < kMaxTicks && v <= last) {
        ++n;
        const double next = v + step;
        if (next == v)
            break;
        v = next;
    }
    return n;
}

double Ticks::value(int i) const
{
    double v = first;
    for (int k = 0; k < i; ++k)
        v += step;
    return v;
}

Ticks chooseTicks(double min, double max)
{
    Ticks t;
    if (!std::isfinite(min) || !std::isfinite(max) || !std::isfinite(max - min)) {
        t.first = t.last = std::isfinite(min) ? min : 0;
        return t;
    }
    if (!(min < max))
        max = min + 1;
    if (max == min) // min + 1 rounds back to min for very large values
        max = std::nextafter(min, HUGE_VAL);

    const double f = (max - min) * 0.1;
    const double g = std::pow(10.0, std::trunc(std::log10(f)) - 1);
    double step = std::trunc(f / g) * g;
    if (!(step > 0) || !std::isfinite(step))
        step = max - min;
    while (std::trunc((max - min) / step) > 12)
        step *= 2;

    double first = std::trunc(min / step) * step + 0.0;
    if (first < min)
        first += step;

    double last = first;
    int n = 0;
    while (!(last > max) && n < kMaxTicks) {
        const double next = last + step;
        if (next == last) // the step is below the resolution of the values: stop here
            break;
        last = next;
        ++n;
    }
    if (last > max)
        last -= step;

    t.first = first;
    t.last = last;
    t.step = step;
    const double d = std::trunc(std::log10(step)) - 1;
    t.decimals = d > 0 ? 0 : int(std::min(-d, 20.0)); // no more digits than a double carries
    return t;
}

} // namespace vimo
