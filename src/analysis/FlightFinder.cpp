#include "analysis/FlightFinder.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace vimo::analysis {
namespace {

// A launch from a slope: the model left a rest by falling away from it.
struct DownhillLaunch {
    int launch = -1;   // the last sample at the rest's level before the fall
    double ground = 0; // the rest's level: the median of its samples
};

// Where the search for a launch stopped.
struct LaunchSearch {
    int crossing = -1;   // first sample more than kLaunchRise above the lowest of the kGroundWindow before it
    int lowest = -1;     // that lowest sample
    bool inAir = false;  // the recording began with a fall of more than kLaunchRise, with no rest before it
    std::optional<DownhillLaunch> downhill; // the fall to `crossing` was a launch from a slope
};

// Judges the fall to sample `fall`, the first more than kLaunchRise below the search's first sample `from`, before
// any climb. After a rest at that first sample (kRestNearGround and kRestNearGroundSamples within the rest band),
// a fall from the rest's level at kDownhillRate or faster is a launch from a slope; a slower one is someone walking
// down with the model, and the search goes on. Without a rest, a recording that begins with the fall began in the
// air.
LaunchSearch judgeFall(const PreparedSamples& s, int from, int fall, bool atRecordingStart)
{
    const double* a = s.a.data();
    const double* t = s.t.data();
    LaunchSearch r;
    int restEnd = from;
    while (restEnd + 1 < fall && std::abs(a[restEnd + 1] - a[from]) <= 0.5 * kRestBand)
        ++restEnd;
    if (t[restEnd] - t[from] < kRestNearGround || restEnd - from + 1 < kRestNearGroundSamples) {
        r.inAir = atRecordingStart;
        return r;
    }
    DownhillLaunch d;
    d.ground = medianAltitude(s, from, restEnd);
    d.launch = fall;
    while (d.launch > from && a[d.launch] < d.ground - 0.5 * kRestBand)
        --d.launch;
    if (d.ground - a[fall] < kDownhillRate * (t[fall] - t[d.launch]))
        return r;
    r.crossing = fall;
    r.downhill = d;
    return r;
}

LaunchSearch searchLaunch(const PreparedSamples& s, int from, bool atRecordingStart)
{
    // The ground reference is the lowest sample of the current block and the one before it, blocks being half the
    // ground window long: a cheap stand-in for a sliding minimum that still forgets slow drift.
    constexpr double kBlock = 0.5 * kGroundWindow;
    LaunchSearch r;
    const double* a = s.a.data();
    const double* t = s.t.data();
    const double first = a[from];
    double blockStart = t[from];
    int previousLow = from;
    int currentLow = from;
    bool watchFall = true; // the first fall below the first sample is still to be judged
    for (int i = from; i < s.count(); ++i) {
        if (t[i] - blockStart >= kBlock) {
            previousLow = currentLow;
            currentLow = i;
            blockStart = t[i];
        }
        if (a[i] < a[currentLow])
            currentLow = i;
        const int lowest = a[previousLow] <= a[currentLow] ? previousLow : currentLow;
        if (watchFall && first - a[i] > kLaunchRise) {
            const LaunchSearch fall = judgeFall(s, from, i, atRecordingStart);
            if (fall.inAir || fall.downhill)
                return fall;
            watchFall = false;
        }
        if (a[i] - a[lowest] > kLaunchRise) {
            r.crossing = i;
            r.lowest = lowest;
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

// The first sample from `from` on at which the model is at rest, or -1. A run of samples within kRestBand is rest
// when it lasts kRestNearGround within `nearGround` of `ground` (never when `nearGround` is negative),
// kRestElsewhere anywhere, or kRestAtEnd up to the end of the recording. Runs are taken greedily (a sample that
// leaves the band starts the next run), which keeps this a single cheap pass; the landing is then the first sample
// of the run that already lies at the run's resting level.
int findLanding(const PreparedSamples& s, int from, double ground, double nearGround = kNearGround)
{
    const int n = s.count();
    const double* a = s.a.data();
    const double* t = s.t.data();
    int start = from;
    double startTime = t[from];
    double low = a[from];
    double high = a[from];
    // The band's edges are kept as state of their own, so that the band test waits only on them and not on an
    // addition after the run's lowest and highest: min(v, low) + band is min(v + band, low + band) exactly.
    double below = high - kRestBand; // the lowest altitude the run admits
    double above = low + kRestBand;  // the highest
    int restEnd = -1; // one past the last sample of the qualifying run
    for (int i = from + 1; i < n; ++i) {
        // The run grows while its samples stay within the band and restarts at a sample that leaves it. Written
        // as selects, not branches: on a noisy recording the band test is a coin toss at every sample.
        const double v = a[i];
        const bool inBand = v >= below && v <= above;
        low = inBand ? std::min(v, low) : v;
        high = inBand ? std::max(v, high) : v;
        below = inBand ? std::max(v - kRestBand, below) : v - kRestBand;
        above = inBand ? std::min(v + kRestBand, above) : v + kRestBand;
        start = inBand ? start : i;
        startTime = inBand ? startTime : t[i];
        const double span = t[i] - startTime;
        if (span < kRestNearGround)
            continue;
        const int samples = i - start + 1;
        if ((span >= kRestElsewhere && samples >= kRestElsewhereSamples)
            || (samples >= kRestNearGroundSamples && std::abs(0.5 * (low + high) - ground) <= nearGround)) {
            restEnd = i + 1;
            break;
        }
    }
    if (restEnd < 0 && t[n - 1] - t[start] >= kRestAtEnd)
        restEnd = n;
    if (restEnd < 0)
        return -1;
    // The run may begin with the last metres of the descent: start where the resting level is reached.
    const double span = t[restEnd - 1] - t[start];
    int settledFrom = start;
    while (settledFrom < restEnd - 1 && t[settledFrom] < t[start] + 0.5 * span)
        ++settledFrom;
    const double resting = medianAltitude(s, settledFrom, restEnd - 1);
    // A greedy run can begin after the model came to rest: reach back over the samples at the resting level.
    constexpr double kSettled = 0.75;
    int landing = start;
    while (landing > from && std::abs(a[landing - 1] - resting) <= 0.5 * kRestBand)
        --landing;
    while (landing < restEnd - 1 && std::abs(a[landing] - resting) > kSettled)
        ++landing;
    return landing;
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
        } else if (search.downhill) {
            f.launch = search.downhill->launch;
            f.launchedDownhill = true;
            f.ground = search.downhill->ground;
            // Gliders launched from a slope soar level with the take-off: only a long rest, or one at the end, lands.
            f.landing = findLanding(s, search.crossing, f.ground, -1.0);
            f.last = f.landing >= 0 ? f.landing : n - 1;
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
