#include "analysis/ClimbFinder.h"

#include "analysis/PreparedSamples.h"

#include <algorithm>

namespace vimo::analysis {

std::vector<ClimbSpan> findClimbs(const PreparedSamples& s, int first, int last)
{
    constexpr double kBlock = 2.5;    // seconds of a smoothing block
    constexpr double kReversal = 4.0; // metres of fall that end a rising leg
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
    // time: enough resolution for climbs of 20 s and more.
    int i = first;
    int size = 1;
    // The mean of the block from sample i on, and its middle time; i moves past the block. The block's end is looked
    // for first among the few samples beyond the size of the block before: the blocks of an even recording are alike.
    const auto nextBlock = [&i, &size, &s, last](double& middle) {
        const int from = i;
        const double blockStart = s.t[std::size_t(from)];
        const auto begin = s.t.begin() + from + 1;
        const auto near = s.t.begin() + std::min(from + 2 * size + 1, last + 1);
        const auto end =
            near < s.t.begin() + last + 1 && *(near - 1) >= blockStart + kBlock ? near : s.t.begin() + last + 1;
        i = int(std::lower_bound(begin, end, blockStart + kBlock) - s.t.begin());
        size = i - from;
        double sum = 0;
        for (int k = from; k < i; ++k)
            sum += s.a[std::size_t(k)];
        middle = 0.5 * (blockStart + s.t[std::size_t(i - 1)]);
        return sum / (i - from);
    };
    bool rising = false;
    double lowTime = 0;
    double lowValue = nextBlock(lowTime);
    double highValue = lowValue, highTime = lowTime;
    while (i <= last) {
        double ti = 0;
        const double v = nextBlock(ti);
        if (rising) {
            if (highValue - v >= kReversal) {
                keep(lowTime, lowValue, highTime, highValue);
                rising = false;
                lowValue = v;
                lowTime = ti;
            } else if (v > highValue) {
                highValue = v;
                highTime = ti;
            }
        } else if (v - lowValue >= kReversal) {
            rising = true;
            highValue = v;
            highTime = ti;
        } else if (v < lowValue) {
            lowValue = v;
            lowTime = ti;
        }
    }
    if (rising)
        keep(lowTime, lowValue, highTime, highValue);
    return climbs;
}

} // namespace vimo::analysis
