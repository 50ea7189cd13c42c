#include "plot/ClimbRate.h"

#include "data/SampleSeries.h"

#include <algorithm>
#include <cmath>

namespace vimo {
namespace {

// Index of the first sample whose time is not below t (count() when none is).
int firstNotBefore(const std::vector<double>& times, double t)
{
    return int(std::lower_bound(times.begin(), times.end(), t) - times.begin());
}

// Index of the last sample whose time is not above t (-1 when none is).
int lastNotAfter(const std::vector<double>& times, double t)
{
    return int(std::upper_bound(times.begin(), times.end(), t) - times.begin()) - 1;
}

// The index whose sample lies at or before t and the one after it, for interpolation at t; false outside the
// series' time span. At a sample's own time both are that sample.
bool bracket(const SampleSeries& series, double t, int& before, int& after)
{
    const std::vector<double>& times = series.times();
    if (times.empty() || !(t >= times.front() && t <= times.back()))
        return false;
    after = firstNotBefore(times, t);
    if (after >= series.count())
        return false; // times that are not in order: t lies in none of their gaps
    before = times[std::size_t(after)] == t ? after : after - 1;
    if (before < 0)
        before = after;
    return true;
}

double interpolate(double t, double t0, double v0, double t1, double v1)
{
    if (t1 == t0)
        return v0;
    return v0 + (v1 - v0) * (t - t0) / (t1 - t0);
}

} // namespace

std::optional<double> smoothedClimbRate(const SampleSeries& series, int i, double window)
{
    const int n = series.count();
    if (i < 0 || i >= n || n < 2)
        return std::nullopt;
    const std::vector<double>& times = series.times();
    const std::vector<double>& altitudes = series.altitudes();
    const double half = std::max(window, 0.0) / 2;
    const double centre = times[std::size_t(i)];
    const int first = std::min(firstNotBefore(times, centre - half), std::max(i - 1, 0));
    const int last = std::max(lastNotAfter(times, centre + half), std::min(i + 1, n - 1));
    // Two passes over the window: the means, then the sums of the deviations' products, which keeps the precision
    // of times thousands of seconds into a recording.
    const int count = last - first + 1;
    double sumT = 0;
    double sumA = 0;
    for (int j = first; j <= last; ++j) {
        sumT += times[std::size_t(j)];
        sumA += altitudes[std::size_t(j)];
    }
    const double meanT = sumT / count;
    const double meanA = sumA / count;
    double stt = 0;
    double sta = 0;
    for (int j = first; j <= last; ++j) {
        const double dt = times[std::size_t(j)] - meanT;
        stt += dt * dt;
        sta += dt * (altitudes[std::size_t(j)] - meanA);
    }
    const double rate = sta / stt;
    if (!(stt > 0) || !std::isfinite(rate))
        return std::nullopt;
    return rate;
}

std::optional<double> climbRateAt(const SampleSeries& series, double t, double window)
{
    int before = 0;
    int after = 0;
    if (!bracket(series, t, before, after))
        return std::nullopt;
    const auto r0 = smoothedClimbRate(series, before, window);
    if (before == after || !r0)
        return r0;
    const auto r1 = smoothedClimbRate(series, after, window);
    if (!r1)
        return std::nullopt;
    return interpolate(t, series.time(before), *r0, series.time(after), *r1);
}

std::optional<double> altitudeAt(const SampleSeries& series, double t)
{
    int before = 0;
    int after = 0;
    if (!bracket(series, t, before, after))
        return std::nullopt;
    const double a =
        interpolate(t, series.time(before), series.altitude(before), series.time(after), series.altitude(after));
    if (!std::isfinite(a))
        return std::nullopt;
    return a;
}

bool samplesAround(const SampleSeries& series, double tMin, double tMax, int& first, int& last)
{
    const std::vector<double>& times = series.times();
    if (times.empty() || !(tMin <= tMax))
        return false;
    first = std::max(firstNotBefore(times, tMin) - 1, 0);
    last = std::min(lastNotAfter(times, tMax) + 1, series.count() - 1);
    return first <= last;
}

} // namespace vimo
