#include "analysis/LaunchSearch.h"

#include "analysis/Rests.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace vimo::analysis {
namespace {

// The last sample in from..crossing that lies no more than `margin` above `level`.
int lastAtLevel(const PreparedSamples& s, int from, int crossing, double level, double margin)
{
    int k = crossing;
    while (k > from && s.a[std::size_t(k)] > level + margin)
        --k;
    return k;
}

// The median altitude of the few seconds before sample k (k's own when there are none): sample k may already lie a
// few metres up the climb.
double groundLevel(const PreparedSamples& s, int from, int k)
{
    constexpr double kSeconds = 5.0;
    if (k <= from)
        return s.a[std::size_t(k)];
    return medianAltitude(s, std::max(firstAtOrAfter(s, s.t[std::size_t(k)] - kSeconds), from), k - 1);
}

// How fast the departure left the ground: the change from the launch to the crossing over the time between them,
// taken as a jump when no sample lies between them.
double rate(const PreparedSamples& s, const Departure& d, double change)
{
    if (d.crossing == d.launch + 1)
        return std::numeric_limits<double>::infinity();
    return change / std::max(s.t[std::size_t(d.crossing)] - s.t[std::size_t(d.launch)], 1e-9);
}

// A climb to `crossing` from the lowest sample `low` before it: launched from the last sample at ground level, the
// level of the few seconds before the steep part of the climb (a model carried back to the launch point and held up
// for the throw is launched from the hand).
Departure climb(const PreparedSamples& s, int from, int crossing, int low)
{
    Departure d;
    d.kind = Departure::Climb;
    d.crossing = crossing;
    const int rough = lastAtLevel(s, from, crossing, s.a[std::size_t(low)], 0.5 * kLaunchRise);
    d.ground = groundLevel(s, from, rough);
    d.launch = lastAtLevel(s, from, crossing, d.ground, 1.0);
    d.rate = rate(s, d, s.a[std::size_t(crossing)] - d.ground);
    return d;
}

// A fall to `crossing` from a rest at `level`: launched from the last sample at that level.
Departure fall(const PreparedSamples& s, int from, int crossing, double level)
{
    Departure d;
    d.kind = Departure::Fall;
    d.crossing = crossing;
    d.ground = level;
    d.launch = crossing;
    while (d.launch > from && s.a[std::size_t(d.launch)] < level - 0.5 * kRestBand)
        --d.launch;
    d.rate = rate(s, d, level - s.a[std::size_t(crossing)]);
    return d;
}

} // namespace

Departure nextDeparture(const PreparedSamples& s, int from, double level, double until)
{
    const int n = std::min(s.count(), lastAtOrBefore(s, until) + 2);
    // The samples of the ground window that may still become its lowest, oldest first: each lies lower than the
    // ones before it, so the first is the lowest.
    std::vector<int> window;
    std::size_t head = 0;
    for (int i = from; i + 1 < n; ++i) {
        const double v = s.a[std::size_t(i)];
        while (window.size() > head && s.a[std::size_t(window.back())] >= v)
            window.pop_back();
        window.push_back(i);
        // The window reaches back to the sample before, however long ago that was.
        while (window[head] < i - 1 && s.t[std::size_t(window[head])] < s.t[std::size_t(i)] - kGroundWindow)
            ++head;
        const int low = window[head];
        const double next = s.a[std::size_t(i + 1)];
        const double lowest = s.a[std::size_t(low)];
        if (v - lowest > kLaunchRise && next - lowest > 0.5 * kLaunchRise)
            return climb(s, from, i, low);
        if (level - v > kLaunchRise && level - next > 0.5 * kLaunchRise)
            return fall(s, from, i, level);
    }
    return {};
}

} // namespace vimo::analysis
