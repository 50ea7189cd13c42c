#include "analysis/LaunchEnd.h"

#include <algorithm>

namespace vimo::analysis {

// The knee of the initial climb, where the climb rate (a least-squares slope over a short centred window) falls from
// its launch value to a glide or thermal rate. The first fall below half the highest rate so far, once the climb has
// passed `crossing`, is the knee of a motor cut or the end of a throw: the rate then drops on to a glide within
// seconds. When the rate is still well up a few seconds later, the climb is one that slows steadily, and it ends
// where the rate falls to a thermal's. Each end is interpolated between the two samples around the fall.
double estimateLaunchEnd(const PreparedSamples& s, int launch, int crossing)
{
    constexpr double kLongestClimb = 180.0;
    constexpr double kConfirm = 3.0;       // seconds after the first fall at which the rate shows a slowing climb
    constexpr double kStillClimbing = 2.5; // m/s: at least this (and a quarter of the best rate) then
    constexpr double kThermalRate = 1.0;   // m/s: a slowing climb ends below this (or a quarter of the best rate)
    const int n = s.count();
    const double half = std::max(1.0, 1.6 * s.interval);
    // Running sums over the samples lo..hi-1, taken relative to the launch to keep them well conditioned.
    const double t0 = s.t[std::size_t(launch)];
    const double a0 = s.a[std::size_t(launch)];
    double n1 = 0, st = 0, sa = 0, stt = 0, sta = 0;
    int lo = launch;
    int hi = launch;
    double best = 0;
    double previousRate = 0;
    double previousTime = s.t[std::size_t(launch)];
    bool fell = false;    // the rate fell below half the best rate...
    double knee = 0;      // ...at this time
    bool slowing = false; // and the climb went on after it
    // Where the rate crossed `level` between the previous sample and this one.
    const auto crossingOf = [&](double level, double rate, double ti) {
        const double drop = previousRate - rate;
        const double f = drop > 0 ? std::clamp((previousRate - level) / drop, 0.0, 1.0) : 0.0;
        return previousTime + f * (ti - previousTime);
    };
    for (int i = launch; i < n; ++i) {
        const double ti = s.t[std::size_t(i)];
        if (ti - t0 > kLongestClimb)
            return fell ? knee : previousTime;
        while (hi < n && s.t[std::size_t(hi)] <= ti + half) {
            const double x = s.t[std::size_t(hi)] - t0;
            const double y = s.a[std::size_t(hi)] - a0;
            n1 += 1, st += x, sa += y, stt += x * x, sta += x * y;
            ++hi;
        }
        while (s.t[std::size_t(lo)] < ti - half) {
            const double x = s.t[std::size_t(lo)] - t0;
            const double y = s.a[std::size_t(lo)] - a0;
            n1 -= 1, st -= x, sa -= y, stt -= x * x, sta -= x * y;
            ++lo;
        }
        const double spread = n1 * stt - st * st;
        const double rate = spread > 1e-12 ? (n1 * sta - st * sa) / spread : 0.0;
        if (!fell) {
            if (i > crossing && rate < 0.5 * best) {
                fell = true;
                knee = crossingOf(0.5 * best, rate, ti);
            } else {
                best = std::max(best, rate);
            }
        } else if (!slowing && ti >= knee + kConfirm) {
            if (rate < std::max(0.25 * best, kStillClimbing))
                return knee;
            slowing = true;
        }
        const double thermal = std::min(0.25 * best, kThermalRate);
        if (slowing && rate < thermal)
            return crossingOf(thermal, rate, ti);
        previousRate = rate;
        previousTime = ti;
    }
    return fell ? knee : previousTime;
}

} // namespace vimo::analysis
