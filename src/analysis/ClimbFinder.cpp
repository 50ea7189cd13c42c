#include "analysis/ClimbFinder.h"

#include "analysis/TimeBlocks.h"

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
    int i = first;
    // The mean of the next block, from sample i on, and its middle time; i moves past the block.
    // The block ends at the first sample kBlock after its first: found from the size of the block before, as a
    // loop over the samples would mispredict its end at every block.
    // The mean is the sum times the reciprocal of the block's size, worked out again only when the size changes: a
    // division at every block would hold up the tests of the legs that wait on the mean.
    int size = 0;
    double reciprocal = 0;
    const auto nextBlock = [&i, &size, &reciprocal, t, a, last](double& ti) {
        const double blockStart = t[i];
        const int from = i;
        i = firstTimeAtLeast(t, i + 1, last + 1, blockStart + kBlock, i + size);
        if (i - from != size) {
            size = i - from;
            reciprocal = 1.0 / double(size);
        }
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
        ti = 0.5 * (blockStart + t[i - 1]);
        return ((sums[0] + sums[1]) + (sums[2] + sums[3])) * reciprocal;
    };
    bool rising = false;
    double lowTime = 0;
    double lowValue = nextBlock(lowTime);
    double highValue = lowValue, highTime = lowTime;
    // A leg ends rarely, so those tests are branches; the new low or high of a leg is a coin toss on a noisy
    // recording, so it is a select.
    while (i <= last) {
        double ti = 0;
        const double v = nextBlock(ti);
        if (rising) {
            if (highValue - v >= kReversal) {
                keep(lowTime, lowValue, highTime, highValue);
                rising = false;
                lowValue = v;
                lowTime = ti;
            } else {
                const bool higher = v > highValue;
                highTime = higher ? ti : highTime;
                highValue = higher ? v : highValue;
            }
        } else if (v - lowValue >= kReversal) {
            rising = true;
            highValue = v;
            highTime = ti;
        } else {
            const bool lower = v < lowValue;
            lowTime = lower ? ti : lowTime;
            lowValue = lower ? v : lowValue;
        }
    }
    if (rising)
        keep(lowTime, lowValue, highTime, highValue);
    return climbs;
}

} // namespace vimo::analysis
