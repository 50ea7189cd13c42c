#pragma once

#include <algorithm>

namespace vimo::analysis {

// The first index in lo..hi-1 whose time is at least `limit`, or hi when there is none; t[lo..hi) never decreases.
// `guess` is where it most likely lies: blocks of a fixed time span hold about as many samples as the block before,
// the interval being nearly even. The tests of the guess and its neighbours are branches the processor predicts, so
// that the work after it need not wait for the times to be read; only an uneven interval costs a binary search.
inline int firstTimeAtLeast(const double* t, int lo, int hi, double limit, int guess)
{
    const auto isFirst = [t, lo, hi, limit](int j) {
        return (j == hi || t[j] >= limit) && (j == lo || t[j - 1] < limit);
    };
    const int j = std::clamp(guess, lo, hi);
    if (isFirst(j))
        return j;
    if (j < hi && isFirst(j + 1))
        return j + 1;
    if (j > lo && isFirst(j - 1))
        return j - 1;
    return int(std::lower_bound(t + lo, t + hi, limit) - t);
}

// The lowest and highest of a[begin..end), begin < end, in four lanes so that the comparisons do not wait on one
// another.
inline void lowestAndHighest(const double* a, int begin, int end, double& low, double& high)
{
    double l[4] = {a[begin], a[begin], a[begin], a[begin]};
    double h[4] = {a[begin], a[begin], a[begin], a[begin]};
    int i = begin;
    for (; i + 4 <= end; i += 4) {
        for (int k = 0; k < 4; ++k) {
            l[k] = std::min(l[k], a[i + k]);
            h[k] = std::max(h[k], a[i + k]);
        }
    }
    for (; i < end; ++i) {
        l[0] = std::min(l[0], a[i]);
        h[0] = std::max(h[0], a[i]);
    }
    low = std::min(std::min(l[0], l[1]), std::min(l[2], l[3]));
    high = std::max(std::max(h[0], h[1]), std::max(h[2], h[3]));
}

} // namespace vimo::analysis
