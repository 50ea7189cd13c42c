#include "analysis/PreparedSamples.h"

#include <algorithm>
#include <cmath>

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

// x * scale + offset for each of in[0..n).
std::vector<double> transformed(std::span<const double> in, std::size_t n, double scale, double offset)
{
    std::vector<double> out(in.begin(), in.begin() + std::ptrdiff_t(n));
    for (double& x : out)
        x = x * scale + offset;
    return out;
}

// Whether every time and altitude is finite and no time goes back: then the samples need no repair. The loops have
// no early exit and no branch, so that they stay quick passes over long recordings.
bool wellFormed(const std::vector<double>& t, const std::vector<double>& a)
{
    int faults = 0;
    for (std::size_t i = 0; i < t.size(); ++i)
        faults |= int(!((t[i] - t[i]) == 0.0)) | int(!((a[i] - a[i]) == 0.0)); // not a number unless finite
    for (std::size_t i = 1; i < t.size(); ++i)
        faults |= int(t[i] < t[i - 1]);
    return faults == 0;
}

// Repairs what wellFormed() rejects: a time that is not finite or goes back repeats the latest one, an altitude that
// is not finite repeats the previous one. Returns how often a time went back.
int repaired(std::vector<double>& t, std::vector<double>& a)
{
    int backward = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const double latest = i > 0 ? t[i - 1] : 0.0;
        if (!std::isfinite(t[i]))
            t[i] = latest;
        if (!std::isfinite(a[i]))
            a[i] = i > 0 ? a[i - 1] : 0.0;
        if (i > 0 && t[i] < latest) {
            ++backward;
            t[i] = latest;
        }
    }
    return backward;
}

// The altitudes with single bad readings mended. Each sample between the first and the last is judged against its
// neighbours as they were read, not as already mended, so that the order of the mends does not matter. Samples within
// a few metres of a neighbour are kept, so that a real peak between two samples is not cut.
std::vector<double> mended(const std::vector<double>& t, const std::vector<double>& a)
{
    std::vector<double> out = a;
    for (std::size_t i = 1; i + 1 < a.size(); ++i) {
        const double median = median3(a[i - 1], a[i], a[i + 1]);
        const double closest = std::min(t[i] - t[i - 1], t[i + 1] - t[i]);
        const double limit = kOutlier + kFastest * std::max(closest - 1.0, 0.0);
        out[i] = std::abs(a[i] - median) > limit ? median : a[i];
    }
    return out;
}

// The median step between samples, from at most about a thousand steps spread over the recording.
double usualInterval(const std::vector<double>& t)
{
    if (t.size() < 2)
        return 1.0;
    const std::size_t steps = t.size() - 1;
    const std::size_t stride = std::max<std::size_t>(1, steps / 1000);
    std::vector<double> sample;
    for (std::size_t i = 0; i < steps; i += stride)
        sample.push_back(t[i + 1] - t[i]);
    auto middle = sample.begin() + std::ptrdiff_t(sample.size() / 2);
    std::nth_element(sample.begin(), middle, sample.end());
    return std::max(*middle, 0.001);
}

} // namespace

PreparedSamples prepareSamples(std::span<const double> times, std::span<const double> altitudes,
                               const SampleTransform& tr)
{
    const std::size_t n = std::min(times.size(), altitudes.size());
    PreparedSamples s;
    s.t = transformed(times, n, tr.timeScale, tr.timeOffset);
    s.a = transformed(altitudes, n, tr.altitudeScale * tr.metresPerUnit, tr.altitudeOffset * tr.metresPerUnit);
    if (!wellFormed(s.t, s.a))
        s.backwardSteps = repaired(s.t, s.a);
    s.a = mended(s.t, s.a);
    s.interval = usualInterval(s.t);
    return s;
}

double medianAltitude(const PreparedSamples& s, int first, int last, int limit)
{
    first = std::max(first, 0);
    last = std::min(last, s.count() - 1);
    if (last < first)
        return first < s.count() ? s.a[std::size_t(first)] : 0.0;
    const int step = std::max(1, (last - first + 1) / limit);
    std::vector<double> values;
    for (int i = first; i <= last; i += step)
        values.push_back(s.a[std::size_t(i)]);
    auto middle = values.begin() + std::ptrdiff_t(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

int firstAtOrAfter(const PreparedSamples& s, double seconds)
{
    return int(std::lower_bound(s.t.begin(), s.t.end(), seconds) - s.t.begin());
}

int lastAtOrBefore(const PreparedSamples& s, double seconds)
{
    return int(std::upper_bound(s.t.begin(), s.t.end(), seconds) - s.t.begin()) - 1;
}

} // namespace vimo::analysis
