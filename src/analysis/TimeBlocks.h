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

} // namespace vimo::analysis
