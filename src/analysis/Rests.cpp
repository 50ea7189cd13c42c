#include "analysis/Rests.h"

#include <algorithm>
#include <cmath>

namespace vimo::analysis {
namespace {

// How long the levels of a run are measured over, at most.
constexpr double kLevelSeconds = 10.0;

} // namespace

Run runFrom(const PreparedSamples& s, int first)
{
    const int n = s.count();
    double low = s.a[std::size_t(first)];
    double high = low;
    int last = first;
    while (last + 1 < n) {
        const double v = s.a[std::size_t(last + 1)];
        if (std::max(high, v) - std::min(low, v) > kRestBand)
            break;
        low = std::min(low, v);
        high = std::max(high, v);
        ++last;
    }
    return {first, last};
}

Run firstHalf(const PreparedSamples& s, const Run& r)
{
    const double half = s.t[std::size_t(r.first)] + 0.5 * seconds(s, r);
    return {r.first, std::max(lastAtOrBefore(s, half), r.first)};
}

double arrivalLevel(const PreparedSamples& s, const Run& r)
{
    const double span = std::min(0.5 * seconds(s, r), kLevelSeconds);
    const double from = s.t[std::size_t(r.first)] + span;
    return medianAltitude(s, std::min(firstAtOrAfter(s, from), r.last), lastAtOrBefore(s, from + span));
}

double departureLevel(const PreparedSamples& s, const Run& r)
{
    const double span = std::min(0.5 * seconds(s, r), kLevelSeconds);
    return medianAltitude(s, std::min(firstAtOrAfter(s, s.t[std::size_t(r.last)] - span), r.last), r.last);
}

bool liesStill(const PreparedSamples& s, const Run& r)
{
    const auto [low, high] = std::minmax_element(s.a.begin() + r.first, s.a.begin() + r.last + 1);
    return *high - *low <= kStillBand;
}

Run settledPart(const PreparedSamples& s, const Run& r)
{
    constexpr double kSettling = 10.0; // seconds: after arriving, and before leaving again
    constexpr double kLength = 30.0;
    const double length = seconds(s, r);
    const double from = s.t[std::size_t(r.first)] + std::min(0.5 * length, kSettling);
    const double to = std::min(from + kLength, s.t[std::size_t(r.last)] - std::min(0.25 * length, 0.5 * kSettling));
    const int first = std::min(firstAtOrAfter(s, from), r.last);
    return {first, std::clamp(lastAtOrBefore(s, to), first, r.last)};
}

double trend(const PreparedSamples& s, const Run& r)
{
    double n = 0, st = 0, sa = 0, stt = 0, sta = 0;
    const double t0 = s.t[std::size_t(r.first)];
    const double a0 = s.a[std::size_t(r.first)];
    for (int i = r.first; i <= r.last; ++i) {
        const double x = s.t[std::size_t(i)] - t0;
        const double y = s.a[std::size_t(i)] - a0;
        n += 1, st += x, sa += y, stt += x * x, sta += x * y;
    }
    const double spread = n * stt - st * st;
    return spread > 0 ? (n * sta - st * sa) / spread : 0.0;
}

int landingIn(const PreparedSamples& s, const Run& r, int from)
{
    constexpr double kSettled = 1.0; // metres from the resting level: a metre-quantized altimeter reads it within one
    const double level = arrivalLevel(s, r);
    int landing = r.first;
    while (landing > from && std::abs(s.a[std::size_t(landing - 1)] - level) <= 0.5 * kRestBand)
        --landing;
    while (landing < r.last && std::abs(s.a[std::size_t(landing)] - level) > kSettled)
        ++landing;
    return landing;
}

} // namespace vimo::analysis
