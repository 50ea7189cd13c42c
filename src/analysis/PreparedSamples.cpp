#include "analysis/PreparedSamples.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace vimo::analysis {
namespace {

// A sample further than this from both neighbours, on the same side, is a bad reading...
constexpr double kOutlier = 3.0;
// ...unless its neighbours are more than a second away, and it lies no further than an aircraft can climb or sink
// in the time beyond that second: fixes far apart (a logger recording every half minute) differ for real.
constexpr double kFastest = 30.0; // m/s

double median3(double x, double y, double z)
{
    return std::max(std::min(x, y), std::min(std::max(x, y), z));
}

// What copyMended found beside the mends.
struct MendCheck {
    bool usable = false; // the altitudes are all finite, the times never decrease and are all finite
    bool close = false;  // no step between the times is longer than a second
};

// Writes the altitudes in[0..n) * scale + offset to out[0..n) with each single outlier replaced by the median of it
// and its neighbours; out must not overlap in. Each sample is judged against its neighbours as they were read, not
// as already mended, so the order of the mends does not matter. Samples within a few metres are kept, so that a real
// peak between two samples is not cut, nor are peaks between neighbours far apart in time. A copy that is not
// `usable` must not be used (a NaN fails every comparison; a finite first and last time bound every time between).
// `Close` judges every sample as if its neighbours were less than a second away and leaves the steps between the
// times out of the mends, which is right only when the result is also `close`.
// One loop mends and checks, two samples a step, reading each sample and its neighbours by index without branches, so
// that the compiler runs it on two samples at once (the library is built without trapping floating-point compares
// for this) and the samples are read from memory once; a noisy recording would mispredict a branch at almost every
// sample. The checks add up, in two lanes, 1 for each time that goes back (or is not a number) and v - v for each
// altitude, which is 0 unless the altitude is not finite and then makes the sum NaN: the compiler does not vectorise
// a count in integers of comparisons of doubles. `Plain` (scale 1, offset 0) reads the altitudes as they are and
// only adds the offset 0 to what it writes, which turns -0 into 0 as the transform does.
template <bool Plain, bool Close>
MendCheck copyMended(const double* __restrict t, const double* __restrict in, double* __restrict out, std::size_t n,
                     double scale, double offset)
{
    if (n == 0)
        return {true, true};
    const auto at = [in, scale, offset](std::size_t i) { return Plain ? in[i] : in[i] * scale + offset; };
    const auto mended = [t, at](std::size_t i) {
        const double middle = at(i);
        // The median differs from the middle sample only when that sample lies beyond both neighbours, on the
        // same side.
        const double m = median3(at(i - 1), middle, at(i + 1));
        const double limit =
            Close ? kOutlier : kOutlier + kFastest * std::max(std::min(t[i] - t[i - 1], t[i + 1] - t[i]) - 1.0, 0.0);
        return (std::abs(middle - m) > limit ? m : middle) + (Plain ? 0.0 : -0.0);
    };
    const auto fault = [t, at](std::size_t i) { return (t[i] >= t[i - 1] ? 0.0 : 1.0) + (at(i) - at(i)); };
    const auto far = [t](std::size_t i) { return Close && t[i] - t[i - 1] > 1.0 ? 1.0 : 0.0; };
    double faults[2] = {(t[0] - t[0]) + (at(0) - at(0)), t[n - 1] - t[n - 1]};
    double steps[2] = {0.0, 0.0}; // steps longer than a second
    out[0] = at(0) + (Plain ? 0.0 : -0.0);
    std::size_t i = 1;
    for (; i + 2 < n; i += 2) {
        out[i] = mended(i);
        out[i + 1] = mended(i + 1);
        faults[0] += fault(i);
        faults[1] += fault(i + 1);
        steps[0] += far(i);
        steps[1] += far(i + 1);
    }
    for (; i + 1 < n; ++i) {
        out[i] = mended(i);
        faults[0] += fault(i);
        steps[0] += far(i);
    }
    if (n > 1) {
        out[n - 1] = at(n - 1) + (Plain ? 0.0 : -0.0);
        faults[1] += fault(n - 1);
        steps[1] += far(n - 1);
    }
    return {faults[0] + faults[1] == 0.0, steps[0] + steps[1] == 0.0};
}

// copyMended with the variant the transform allows; the times are first taken to be close, and the copy is made
// again with each sample's own limit when they are not.
bool copyMended(const double* t, const double* in, double* out, std::size_t n, double scale, double offset)
{
    const bool plain = scale == 1.0 && offset == 0.0;
    const MendCheck close = plain ? copyMended<true, true>(t, in, out, n, scale, offset)
                                  : copyMended<false, true>(t, in, out, n, scale, offset);
    if (!close.usable || close.close)
        return close.usable;
    return plain ? copyMended<true, false>(t, in, out, n, scale, offset).usable
                 : copyMended<false, false>(t, in, out, n, scale, offset).usable;
}

// The general preparation, for samples with times that go back or values that are not finite: a time that is not
// finite or goes back repeats the latest one, an altitude that is not finite repeats the previous one.
PreparedSamples prepareAnyway(const double* times, const double* altitudes, std::size_t n, const SampleTransform& tr)
{
    PreparedSamples s;
    s.ownTimes = std::make_unique_for_overwrite<double[]>(n);
    s.ownAltitudes = std::make_unique_for_overwrite<double[]>(n);
    double* outT = s.ownTimes.get();
    double* outA = s.ownAltitudes.get();
    const double altitudeScale = tr.altitudeScale * tr.metresPerUnit;
    const double altitudeOffset = tr.altitudeOffset * tr.metresPerUnit;
    double lastTime = 0;
    for (std::size_t i = 0; i < n; ++i) {
        double t = times[i] * tr.timeScale + tr.timeOffset;
        double a = altitudes[i] * altitudeScale + altitudeOffset;
        if (!std::isfinite(t))
            t = lastTime;
        if (!std::isfinite(a))
            a = i > 0 ? outA[i - 1] : 0.0;
        if (i > 0 && t < lastTime) {
            ++s.backwardSteps;
            t = lastTime;
        }
        lastTime = t;
        outT[i] = t;
        outA[i] = a;
    }
    const std::vector<double> repaired(outA, outA + n);
    copyMended(outT, repaired.data(), outA, n, 1.0, 0.0);
    s.t = SampleArray(outT, n);
    s.a = SampleArray(outA, n);
    return s;
}

// x * scale + offset for each of in[0..n), into a fresh array.
std::unique_ptr<double[]> transformed(const double* in, std::size_t n, double scale, double offset)
{
    auto out = std::make_unique_for_overwrite<double[]>(n);
    double* o = out.get();
    for (std::size_t i = 0; i < n; ++i)
        o[i] = in[i] * scale + offset;
    return out;
}

} // namespace

PreparedSamples prepareSamples(const double* times, const double* altitudes, std::size_t n,
                               const SampleTransform& tr)
{
    PreparedSamples s;
    const double* t = times;
    if (tr.timeScale != 1.0 || tr.timeOffset != 0.0) {
        s.ownTimes = transformed(times, n, tr.timeScale, tr.timeOffset);
        t = s.ownTimes.get();
    }
    s.ownAltitudes = std::make_unique_for_overwrite<double[]>(n);
    const double scale = tr.altitudeScale * tr.metresPerUnit;
    const double offset = tr.altitudeOffset * tr.metresPerUnit;
    if (!copyMended(t, altitudes, s.ownAltitudes.get(), n, scale, offset))
        return prepareAnyway(times, altitudes, n, tr);
    s.t = SampleArray(t, n);
    s.a = SampleArray(s.ownAltitudes.get(), n);
    return s;
}

double meanInterval(const PreparedSamples& s)
{
    const int n = s.count();
    if (n < 2)
        return 1.0;
    return std::max((s.t.back() - s.t.front()) / (n - 1), 0.001);
}

double medianAltitude(const PreparedSamples& s, int first, int last, int limit)
{
    first = std::max(first, 0);
    last = std::min(last, s.count() - 1);
    if (last < first)
        return first < s.count() ? s.a[std::size_t(first)] : 0.0;
    const int count = last - first + 1;
    const int step = std::max(1, count / limit);
    std::vector<double> values;
    values.reserve(std::size_t(count / step + 1));
    for (int i = first; i <= last; i += step)
        values.push_back(s.a[std::size_t(i)]);
    const auto middle = values.begin() + std::ptrdiff_t(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

} // namespace vimo::analysis
