#include "analysis/ClimbFinder.h"

#include <algorithm>

namespace vimo::analysis {

std::vector<ClimbSpan> findClimbs(const PreparedSamples& s, int first, int last)
{
    constexpr double kHalfWidth = 2.5; // seconds each side of the smoothing mean
    constexpr double kReversal = 4.0;  // metres of fall that end a rising leg
    std::vector<ClimbSpan> climbs;
    first = std::max(first, 0);
    last = std::min(last, s.count() - 1);
    if (last - first < 2)
        return climbs;

    const auto keep = [&climbs](double t0, double a0, double t1, double a1) {
        if (t1 - t0 >= kClimbMinSeconds && a1 - a0 >= kClimbMinGain)
            climbs.push_back({t0, t1, a1 - a0});
    };

    int lo = first;
    int hi = first;
    double sum = 0;
    int count = 0;
    double reciprocal = 0;
    bool rising = false;
    double lowValue = 0, lowTime = 0, highValue = 0, highTime = 0;
    for (int i = first; i <= last; ++i) {
        const double ti = s.t[std::size_t(i)];
        while (hi <= last && s.t[std::size_t(hi)] <= ti + kHalfWidth)
            sum += s.a[std::size_t(hi++)];
        while (s.t[std::size_t(lo)] < ti - kHalfWidth)
            sum -= s.a[std::size_t(lo++)];
        if (hi - lo != count) {
            count = hi - lo;
            reciprocal = 1.0 / double(count);
        }
        const double v = sum * reciprocal;
        if (i == first) {
            lowValue = highValue = v;
            lowTime = highTime = ti;
            continue;
        }
        if (rising) {
            if (v > highValue) {
                highValue = v;
                highTime = ti;
            } else if (highValue - v >= kReversal) {
                keep(lowTime, lowValue, highTime, highValue);
                rising = false;
                lowValue = v;
                lowTime = ti;
            }
        } else if (v < lowValue) {
            lowValue = v;
            lowTime = ti;
        } else if (v - lowValue >= kReversal) {
            rising = true;
            highValue = v;
            highTime = ti;
        }
    }
    if (rising)
        keep(lowTime, lowValue, highTime, highValue);
    return climbs;
}

} // namespace vimo::analysis
