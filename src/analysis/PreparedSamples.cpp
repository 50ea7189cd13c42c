#include "analysis/PreparedSamples.h"

#include <algorithm>
#include <cmath>

namespace vimo::analysis {
namespace {

double median3(double x, double y, double z)
{
    return std::max(std::min(x, y), std::min(std::max(x, y), z));
}

} // namespace

PreparedSamples prepareSamples(const double* times, const double* altitudes, std::size_t n,
                               const SampleTransform& tr)
{
    // A sample far from both neighbours, on the same side, is a bad reading: it takes their median. Samples
    // within a few metres are kept, so that a real peak between two samples is not cut. One pass: each sample is
    // judged when its right neighbour has been read.
    constexpr double kOutlier = 3.0;
    PreparedSamples s;
    s.t.resize(n);
    s.a.resize(n);
    double* outT = s.t.data();
    double* outA = s.a.data();
    const double altitudeScale = tr.altitudeScale * tr.metresPerUnit;
    const double altitudeOffset = tr.altitudeOffset * tr.metresPerUnit;
    double lastTime = 0;
    double before = 0; // the raw altitudes of samples i-2 and i-1
    double middle = 0;
    for (std::size_t i = 0; i < n; ++i) {
        double t = times[i] * tr.timeScale + tr.timeOffset;
        double a = altitudes[i] * altitudeScale + altitudeOffset;
        if (!std::isfinite(t))
            t = lastTime;
        if (!std::isfinite(a))
            a = i > 0 ? middle : 0.0;
        if (i > 0 && t < lastTime) {
            ++s.backwardSteps;
            t = lastTime;
        }
        lastTime = t;
        outT[i] = t;
        outA[i] = a;
        // Only a sample more than kOutlier from both neighbours can be one (cheap test first).
        if (i >= 2 && std::abs(middle - before) > kOutlier && std::abs(middle - a) > kOutlier) {
            const double m = median3(before, middle, a);
            if (std::abs(middle - m) > kOutlier)
                outA[i - 1] = m;
        }
        before = middle;
        middle = a;
    }
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
