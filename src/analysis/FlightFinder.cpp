#include "analysis/FlightFinder.h"

#include <algorithm>
#include <cmath>
#include <deque>

namespace vimo::analysis {
namespace {

// A window's lowest or highest altitude, kept as indices whose altitudes rise (lowest) or fall (highest) from the
// front, so that every sample enters and leaves once.
class ExtremeWindow {
public:
    ExtremeWindow(const PreparedSamples& s, bool highest) : m_a(s.a), m_highest(highest) {}

    void push(int i)
    {
        const double v = m_a[std::size_t(i)];
        while (!m_q.empty() && (m_highest ? m_a[std::size_t(m_q.back())] <= v : m_a[std::size_t(m_q.back())] >= v))
            m_q.pop_back();
        m_q.push_back(i);
    }
    // Drops the samples before `first`.
    void dropBefore(int first)
    {
        while (!m_q.empty() && m_q.front() < first)
            m_q.pop_front();
    }
    bool empty() const { return m_q.empty(); }
    int index() const { return m_q.front(); }
    double value() const { return m_a[std::size_t(m_q.front())]; }
    void clear() { m_q.clear(); }

private:
    const std::vector<double>& m_a;
    bool m_highest;
    std::deque<int> m_q;
};

// Where the search for a launch stopped.
struct LaunchSearch {
    int crossing = -1;   // first sample more than kLaunchRise above the lowest of the kGroundWindow before it
    int lowest = -1;     // that lowest sample
    bool inAir = false;  // the altitude fell more than kLaunchRise below the first sample before any climb
};

LaunchSearch searchLaunch(const PreparedSamples& s, int from, bool atRecordingStart)
{
    LaunchSearch r;
    ExtremeWindow low(s, false);
    int windowStart = from;
    const double first = s.a[std::size_t(from)];
    for (int i = from; i < s.count(); ++i) {
        low.push(i);
        while (s.t[std::size_t(windowStart)] < s.t[std::size_t(i)] - kGroundWindow)
            ++windowStart;
        low.dropBefore(windowStart);
        const double a = s.a[std::size_t(i)];
        if (atRecordingStart && first - a > kLaunchRise) {
            r.inAir = true;
            return r;
        }
        if (a - low.value() > kLaunchRise) {
            r.crossing = i;
            r.lowest = low.index();
            return r;
        }
    }
    return r;
}

// The last sample in from..crossing that lies no more than `margin` above `level`.
int lastAtLevel(const PreparedSamples& s, int from, int crossing, double level, double margin)
{
    int k = crossing;
    while (k > from && s.a[std::size_t(k)] > level + margin)
        --k;
    return k;
}

// The median altitude of the few seconds up to sample k (k alone when the recording starts there).
double groundLevel(const PreparedSamples& s, int from, int k)
{
    constexpr double kSeconds = 5.0;
    int first = k;
    while (first > from && s.t[std::size_t(first - 1)] >= s.t[std::size_t(k)] - kSeconds)
        --first;
    return medianAltitude(s, first, k);
}

// The knee of the initial climb: where the climb rate (a least-squares slope over a short centred window) first
// falls below half the highest rate of the climb so far, once the climb has passed `crossing`. Interpolated
// between the two samples around the fall.
double estimateLaunchEnd(const PreparedSamples& s, int launch, int crossing)
{
    constexpr double kLongestClimb = 180.0;
    const int n = s.count();
    const double half = std::max(1.0, 1.6 * meanInterval(s));
    // Running sums over the samples lo..hi-1, taken relative to the launch to keep them well conditioned.
    const double t0 = s.t[std::size_t(launch)];
    const double a0 = s.a[std::size_t(launch)];
    double n1 = 0, st = 0, sa = 0, stt = 0, sta = 0;
    int lo = launch;
    int hi = launch;
    double best = 0;
    double previousRate = 0;
    double previousTime = s.t[std::size_t(launch)];
    for (int i = launch; i < n; ++i) {
        const double ti = s.t[std::size_t(i)];
        if (ti - t0 > kLongestClimb)
            return previousTime;
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
        if (i > crossing && rate < 0.5 * best) {
            const double drop = previousRate - rate;
            const double f = drop > 0 ? std::clamp((previousRate - 0.5 * best) / drop, 0.0, 1.0) : 0.0;
            return previousTime + f * (ti - previousTime);
        }
        best = std::max(best, rate);
        previousRate = rate;
        previousTime = ti;
    }
    return previousTime;
}

// The first sample from `from` on at which the model is at rest, or -1. A run of samples within kRestBand is rest
// when it lasts kRestNearGround near `ground`, kRestElsewhere anywhere, or kRestAtEnd up to the end of the
// recording. The landing is the first sample of the run that already lies at the run's resting level.
int findLanding(const PreparedSamples& s, int from, double ground)
{
    const int n = s.count();
    ExtremeWindow low(s, false);
    ExtremeWindow high(s, true);
    int right = from; // the run is left..right-1
    for (int left = from; left < n; ++left) {
        if (right <= left) {
            right = left;
            low.clear();
            high.clear();
        }
        low.dropBefore(left);
        high.dropBefore(left);
        while (right < n) {
            const double a = s.a[std::size_t(right)];
            const double lo = low.empty() ? a : std::min(low.value(), a);
            const double hi = high.empty() ? a : std::max(high.value(), a);
            if (hi - lo > kRestBand)
                break;
            low.push(right);
            high.push(right);
            ++right;
        }
        const double span = s.t[std::size_t(right - 1)] - s.t[std::size_t(left)];
        const int samples = right - left;
        const double level = 0.5 * (low.value() + high.value());
        const bool rest = (right == n && span >= kRestAtEnd)
                          || (span >= kRestElsewhere && samples >= kRestElsewhereSamples)
                          || (span >= kRestNearGround && samples >= kRestNearGroundSamples
                              && std::abs(level - ground) <= kNearGround);
        if (!rest)
            continue;
        // The run may begin with the last metres of the descent: start where the resting level is reached.
        int settledFrom = left;
        while (settledFrom < right - 1 && s.t[std::size_t(settledFrom)] < s.t[std::size_t(left)] + 0.5 * span)
            ++settledFrom;
        const double resting = medianAltitude(s, settledFrom, right - 1);
        constexpr double kSettled = 0.75;
        int landing = left;
        while (landing < right - 1 && std::abs(s.a[std::size_t(landing)] - resting) > kSettled)
            ++landing;
        return landing;
    }
    return -1;
}

} // namespace

std::vector<FlightSpan> findFlights(const PreparedSamples& s)
{
    std::vector<FlightSpan> flights;
    const int n = s.count();
    if (n < 2 || s.t.back() <= s.t.front())
        return flights;
    int from = 0;
    while (from < n - 1) {
        const LaunchSearch search = searchLaunch(s, from, from == 0);
        FlightSpan f;
        if (search.inAir) {
            f.launch = 0;
            f.launchBeforeRecording = true;
            f.landing = findLanding(s, 0, s.a[0]);
            f.last = f.landing >= 0 ? f.landing : n - 1;
            f.ground = f.landing >= 0 ? medianAltitude(s, f.landing, std::min(n - 1, f.landing + 20))
                                      : *std::min_element(s.a.begin(), s.a.end());
        } else {
            if (search.crossing < 0)
                break;
            const double rough = s.a[std::size_t(search.lowest)];
            const int roughLaunch = lastAtLevel(s, from, search.crossing, rough, 1.5);
            f.ground = roughLaunch == 0 ? s.a[0] : groundLevel(s, from, roughLaunch);
            f.launch = lastAtLevel(s, from, search.crossing, f.ground, 1.0);
            f.launchEndTime = estimateLaunchEnd(s, f.launch, search.crossing);
            const int climbEnd = int(std::lower_bound(s.t.begin(), s.t.end(), f.launchEndTime) - s.t.begin());
            f.landing = findLanding(s, std::min(std::max(climbEnd, search.crossing), n - 1), f.ground);
            f.last = f.landing >= 0 ? f.landing : n - 1;
        }
        flights.push_back(f);
        if (f.landing < 0 || f.landing <= from)
            break;
        from = f.landing;
    }
    return flights;
}

} // namespace vimo::analysis
