#include "analysis/PreparedSamples.h"

#include <algorithm>
#include <array>
#include <cmath>
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

// What a pass over the samples found.
struct MendCheck {
    bool usable = false; // the altitudes are all finite, the times never decrease and are all finite
    bool close = false;  // no step between the times is longer than a second
};

// What the mending loop found, kept as sums so that the compiler keeps them in vector lanes (the file is built to
// allow that): it does not vectorise a count in integers of comparisons of doubles, nor a running highest double.
struct Tally {
    double backward = 0; // steps between times that go back, or are not a number
    double longer = 0;   // steps longer than a second (counted when judged close)
    double sum = 0;      // the altitudes (and the first and last times) added up: not finite when one is not
    double beyond = 0;   // how far the samples that need mending lie beyond their limits (when not written)

    bool usable() const { return backward == 0.0 && std::isfinite(sum); }
    bool close() const { return longer == 0.0; }
    bool anyMend() const { return beyond > 0.0; }
};

// The samples of `in` * scale + offset, judged and mended one at a time. Each sample is judged against its neighbours
// as they were read, not as already mended, so the order of the mends does not matter. Samples within a few metres
// are kept, so that a real peak between two samples is not cut, nor are peaks between neighbours far apart in time.
// `Close` judges every sample as if its neighbours were less than a second away and leaves the steps between the
// times out of the mends, which is right only when no step is longer. `Plain` (scale 1, offset 0) reads the altitudes
// as they are.
template <bool Plain, bool Close>
struct Mender {
    const double* __restrict t;
    const double* __restrict in;
    double scale;
    double offset;

    double at(std::size_t i) const { return Plain ? in[i] : in[i] * scale + offset; }
    double step(std::size_t i) const { return t[i] - t[i - 1]; }
    // How far sample i (not the first or last) may lie from the median of it and its neighbours before it is
    // mended. The median differs from the sample only when the sample lies beyond both neighbours, on the same side.
    double limit(std::size_t i) const
    {
        return Close ? kOutlier : kOutlier + kFastest * std::max(std::min(step(i), step(i + 1)) - 1.0, 0.0);
    }
};

// Judges the samples begin..end-1 (none of them the first or last), reading each sample and its neighbours by index
// without branches, so that the compiler runs the loop on two samples at once (the library is built without trapping
// floating-point compares for this) and the samples are read from memory once; a noisy recording would mispredict a
// branch at almost every sample. `Write` writes each sample, mended where it needs it, to out, which must not overlap
// in; otherwise how far the samples that need it lie beyond their limits is added up. A NaN fails every comparison
// of the steps and makes the sum of the altitudes NaN, as an infinite altitude makes it infinite or NaN.
template <bool Plain, bool Close, bool Write>
void mendRange(const Mender<Plain, Close>& m, double* __restrict out, std::size_t begin, std::size_t end, Tally& tally)
{
    double backward = tally.backward;
    double longer = tally.longer;
    double sum = tally.sum;
    double beyondAll = tally.beyond;
    for (std::size_t i = begin; i < end; ++i) {
        const double v = m.at(i);
        const double median = median3(m.at(i - 1), v, m.at(i + 1));
        const double beyond = std::abs(v - median) - m.limit(i);
        if constexpr (Write)
            out[i] = beyond > 0.0 ? median : v;
        else
            beyondAll += std::max(beyond, 0.0);
        const double step = m.step(i);
        backward += step >= 0.0 ? 0.0 : 1.0;
        if constexpr (Close)
            longer += step > 1.0 ? 1.0 : 0.0;
        sum += v;
    }
    tally = {backward, longer, sum, beyondAll};
}

// A plain recording is judged a piece at a time, so that the copy begins only where the first mend is needed.
constexpr std::size_t kPiece = 1024;

// Prepares the altitudes in[0..n), n > 0, into `copy`, and points `altitudes` at the result. Plain samples that need
// no mend are read where they lie, without a copy: the check stops at the first piece with a mend, which is then
// written from there on. The first and last samples are never mended. A result that is not `usable` must not be
// used; one that is not `close` (only returned when judged Close) must be made again without Close. Both stop the
// pass early.
template <bool Plain, bool Close>
MendCheck mendAltitudes(const Mender<Plain, Close>& m, std::size_t n, std::unique_ptr<double[]>& copy,
                        const double*& altitudes)
{
    // The first and last samples are never mended, only checked; a finite first and last time bound every time
    // between when none goes back.
    Tally tally;
    tally.sum = m.t[0] + m.at(0) + m.t[n - 1] + m.at(n - 1);
    if (n > 1) {
        const double step = m.step(n - 1);
        tally.backward = step >= 0.0 ? 0.0 : 1.0;
        tally.longer = Close && step > 1.0 ? 1.0 : 0.0;
    }
    const std::size_t last = std::max<std::size_t>(n - 1, 1); // one past the samples that may be mended
    const auto outcome = [&tally] { return MendCheck{tally.usable(), tally.close()}; };
    std::size_t from = 1;
    if constexpr (Plain) {
        for (; from < last; from += kPiece) {
            Tally piece = tally;
            mendRange<Plain, Close, false>(m, nullptr, from, std::min(from + kPiece, last), piece);
            if (!piece.usable() || !piece.close())
                return {piece.usable(), piece.close()};
            if (piece.anyMend())
                break;
            tally = piece;
        }
        if (from >= last && outcome().usable) {
            altitudes = m.in;
            return outcome();
        }
    }
    copy = std::make_unique_for_overwrite<double[]>(n);
    double* out = copy.get();
    std::copy(m.in, m.in + from, out); // a plain piece that needs no mend, or the first sample
    if constexpr (!Plain)
        out[0] = m.at(0);
    mendRange<Plain, Close, true>(m, out, from, last, tally);
    if (n > 1)
        out[n - 1] = m.at(n - 1);
    altitudes = out;
    return outcome();
}

// mendAltitudes with the variant the transform allows; the times are first taken to be close, and the altitudes are
// prepared again with each sample's own limit when they are not. False when the samples are not usable.
bool mendAltitudes(const double* t, const double* in, std::size_t n, double scale, double offset,
                   std::unique_ptr<double[]>& copy, const double*& altitudes)
{
    if (n == 0) {
        altitudes = in;
        return true;
    }
    const bool plain = scale == 1.0 && offset == 0.0;
    const MendCheck close = plain ? mendAltitudes(Mender<true, true>{t, in, scale, offset}, n, copy, altitudes)
                                  : mendAltitudes(Mender<false, true>{t, in, scale, offset}, n, copy, altitudes);
    if (!close.usable || close.close)
        return close.usable;
    return plain ? mendAltitudes(Mender<true, false>{t, in, scale, offset}, n, copy, altitudes).usable
                 : mendAltitudes(Mender<false, false>{t, in, scale, offset}, n, copy, altitudes).usable;
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
    std::unique_ptr<double[]> mended;
    const double* a = outA;
    mendAltitudes(outT, outA, n, 1.0, 0.0, mended, a);
    if (mended)
        s.ownAltitudes = std::move(mended);
    s.t = SampleArray(outT, n);
    s.a = SampleArray(a, n);
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
    const double scale = tr.altitudeScale * tr.metresPerUnit;
    const double offset = tr.altitudeOffset * tr.metresPerUnit;
    const double* a = nullptr;
    if (!mendAltitudes(t, altitudes, n, scale, offset, s.ownAltitudes, a))
        return prepareAnyway(times, altitudes, n, tr);
    s.t = SampleArray(t, n);
    s.a = SampleArray(a, n);
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
    // The usual few hundred values are taken on the stack: this runs for every ground level and landing.
    const std::size_t size = std::size_t((count - 1) / step + 1);
    std::array<double, 1024> onStack;
    std::vector<double> onHeap(size > onStack.size() ? size : 0);
    double* values = size > onStack.size() ? onHeap.data() : onStack.data();
    for (std::size_t k = 0; k < size; ++k)
        values[k] = s.a[std::size_t(first) + k * std::size_t(step)];
    double* middle = values + size / 2;
    std::nth_element(values, middle, values + size);
    return *middle;
}

} // namespace vimo::analysis
