#include "analysis/ClimbFinder.h"

#include <algorithm>

namespace vimo::analysis {

std::vector<ClimbSpan> findClimbs(const PreparedSamples& s, int first, int last)
{
    constexpr double kBlock = 2.5;     // seconds of a smoothing block
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

    // The altitude is smoothed as the means of consecutive blocks of a few seconds, each taken at its middle
    // time: one tight pass, and enough resolution for climbs of 20 s and more.
    const double* t = s.t.data();
    const double* a = s.a.data();
    bool started = false;
    bool rising = false;
    double lowValue = 0, lowTime = 0, highValue = 0, highTime = 0;
    for (int i = first; i <= last;) {
        const double blockStart = t[i];
        const int from = i;
        while (i <= last && t[i] < blockStart + kBlock)
            ++i;
        // Four partial sums, so that the additions do not wait on one another.
        double sums[4] = {0, 0, 0, 0};
        int k = from;
        for (; k + 4 <= i; k += 4) {
            sums[0] += a[k];
            sums[1] += a[k + 1];
            sums[2] += a[k + 2];
            sums[3] += a[k + 3];
        }
        for (; k < i; ++k)
            sums[0] += a[k];
        const double v = ((sums[0] + sums[1]) + (sums[2] + sums[3])) / double(i - from);
        const double ti = 0.5 * (blockStart + t[i - 1]);
        if (!started) {
            started = true;
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
