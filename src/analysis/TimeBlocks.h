#pragma once

#include <algorithm>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

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

// The lowest and highest of a[begin..end), begin < end. Two samples at a time in vector registers where the processor
// has them (every x86-64 does), otherwise in four lanes, so that the comparisons do not wait on one another; the
// compiler does not vectorise a running lowest or highest double by itself.
inline void lowestAndHighest(const double* a, int begin, int end, double& low, double& high)
{
    int i = begin;
#if defined(__SSE2__) || defined(_M_X64)
    if (end - begin >= 4) {
        __m128d l0 = _mm_loadu_pd(a + i);
        __m128d l1 = _mm_loadu_pd(a + i + 2);
        __m128d h0 = l0;
        __m128d h1 = l1;
        for (i += 4; i + 4 <= end; i += 4) {
            const __m128d x0 = _mm_loadu_pd(a + i);
            const __m128d x1 = _mm_loadu_pd(a + i + 2);
            l0 = _mm_min_pd(l0, x0);
            l1 = _mm_min_pd(l1, x1);
            h0 = _mm_max_pd(h0, x0);
            h1 = _mm_max_pd(h1, x1);
        }
        const __m128d l = _mm_min_pd(l0, l1);
        const __m128d h = _mm_max_pd(h0, h1);
        low = std::min(_mm_cvtsd_f64(l), _mm_cvtsd_f64(_mm_unpackhi_pd(l, l)));
        high = std::max(_mm_cvtsd_f64(h), _mm_cvtsd_f64(_mm_unpackhi_pd(h, h)));
        for (; i < end; ++i) {
            low = std::min(low, a[i]);
            high = std::max(high, a[i]);
        }
        return;
    }
#endif
    double l[4] = {a[begin], a[begin], a[begin], a[begin]};
    double h[4] = {a[begin], a[begin], a[begin], a[begin]};
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

// The highest of a[first..last] (the first of equal ones), in one pass: the highest altitude of each block of samples
// is taken in four lanes without a branch, as a search for the highest sample as it goes would wait on each
// comparison, and the sample is then looked for only in the first block that holds it.
inline int highestIndex(const double* a, int first, int last)
{
    constexpr int kBlock = 64;
    double best = a[first];
    int bestBlock = first;
    for (int begin = first; begin <= last; begin += kBlock) {
        double low = 0;
        double high = 0;
        lowestAndHighest(a, begin, std::min(begin + kBlock, last + 1), low, high);
        if (high > best) {
            best = high;
            bestBlock = begin;
        }
    }
    return int(std::find(a + bestBlock, a + last + 1, best) - a);
}

} // namespace vimo::analysis
