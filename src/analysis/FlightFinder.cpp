#include "analysis/FlightFinder.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace vimo::analysis {
namespace {

// The mean sample interval, at least a millisecond.
double meanInterval(const PreparedSamples& s)
{
    const int n = s.count();
    if (n < 2)
        return 1.0;
    return std::max((s.t.back() - s.t.front()) / (n - 1), 0.001);
}

// The first index in lo..hi-1 whose time is at least `limit`, or hi when there is none.
int firstTimeAtLeast(const double* t, int lo, int hi, double limit)
{
    return int(std::lower_bound(t + lo, t + hi, limit) - t);
}

// The lowest and highest of a[begin..end), begin < end.
void lowestAndHighest(const double* a, int begin, int end, double& low, double& high)
{
    const auto [lowest, highest] = std::minmax_element(a + begin, a + end);
    low = *lowest;
    high = *highest;
}

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
    // ground window long: a cheap stand-in for a sliding minimum that still forgets slow drift. A block is first
    // judged by its lowest and highest altitude; only a block where the altitude may rise above the reference or
    // fall below the first sample is walked sample by sample.
    constexpr double kBlock = 0.5 * kGroundWindow;
    LaunchSearch r;
    const int n = s.count();
    const double* a = s.a.data();
    const double* t = s.t.data();
    const double first = a[from];
    int previousBegin = from; // the block before, and its lowest altitude
    int previousEnd = from + 1;
    double previousLowest = a[from];
    bool watchFall = true; // the first fall below the first sample is still to be judged
    for (int begin = from; begin < n;) {
        const int end = firstTimeAtLeast(t, begin + 1, n, t[begin] + kBlock);
        double lowest = 0;
        double highest = 0;
        lowestAndHighest(a, begin, end, lowest, highest);
        if (highest - std::min(previousLowest, lowest) > kLaunchRise || (watchFall && first - lowest > kLaunchRise)) {
            // The first of the lowest samples so far in this block; a new low is a select, as on the ground it is
            // a coin toss.
            int currentLow = begin;
            double currentLowest = a[begin];
            for (int i = begin; i < end; ++i) {
                const bool lower = a[i] < currentLowest;
                currentLow = lower ? i : currentLow;
                currentLowest = lower ? a[i] : currentLowest;
                if (watchFall && first - a[i] > kLaunchRise) {
                    const LaunchSearch fall = judgeFall(s, from, i, atRecordingStart);
                    if (fall.inAir || fall.downhill)
                        return fall;
                    watchFall = false;
                }
                if (a[i] - std::min(previousLowest, currentLowest) > kLaunchRise) {
                    r.crossing = i;
                    r.lowest = previousLowest <= currentLowest
                                   ? int(std::find(a + previousBegin, a + previousEnd, previousLowest) - a)
                                   : currentLow;
                    return r;
                }
            }
        }
        previousBegin = begin;
        previousEnd = end;
        previousLowest = lowest;
        begin = end;
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

// The rest-run search skips what cannot be rest by blocks of a fixed count of samples. A run at rest lasts at least
// kRestNearGround; it begins in some block and wholly covers the kQuietBlocks blocks after it whenever those end less
// than kRestNearGround after the first sample of its own block (the block size is chosen so that they do), so the
// altitudes of those blocks then lie within kRestBand.
constexpr int kQuietBlocks = 2;

// Where the rest-run search has to look at each sample: the first block from `from` on whose kQuietBlocks successors
// lie within kRestBand, span too long a time for the test, or run past the last sample. A run at rest that begins
// at `from` or later begins in that block or after it (`restart`, its first sample); `end` is one past the
// successors' last sample. restart is the sample count when there is no such block: then no run at rest begins at
// `from` or later.
struct QuietStretch {
    int restart = 0;
    int end = 0;
};

QuietStretch findQuietStretch(const PreparedSamples& s, int from)
{
    static_assert(kQuietBlocks == 2, "the successors are kept as the next block and the one after it");
    const int n = s.count();
    const double* a = s.a.data();
    const double* t = s.t.data();
    // kQuietBlocks + 1 blocks of the mean interval take nine tenths of kRestNearGround.
    const int size = std::max(1, int(0.9 * kRestNearGround / ((kQuietBlocks + 1) * meanInterval(s))));
    // The lowest and highest altitude of the two blocks after the current one, kept in registers: the next block's
    // are those of the one after it the step before.
    double nextLow = 0;
    double nextHigh = 0;
    if (from + 2 * size <= n)
        lowestAndHighest(a, from + size, from + 2 * size, nextLow, nextHigh);
    for (int first = from;; first += size) {
        const int end = first + (kQuietBlocks + 1) * size; // one past the last of the successors
        if (end > n)
            return {std::min(first, n), n};
        double afterLow = 0;
        double afterHigh = 0;
        lowestAndHighest(a, end - size, end, afterLow, afterHigh);
        if (std::max(nextHigh, afterHigh) - std::min(nextLow, afterLow) <= kRestBand
            || t[end - 1] - t[first] >= kRestNearGround)
            return {first, end};
        nextLow = afterLow;
        nextHigh = afterHigh;
    }
}

// The first sample from `from` on at which the model is at rest, or -1. A run of samples within kRestBand is rest
// when it lasts kRestNearGround within `nearGround` of `ground` (never when `nearGround` is negative),
// kRestElsewhere anywhere, or kRestAtEnd up to the end of the recording. Runs are taken greedily (a sample that
// leaves the band starts the next run), which keeps this a cheap pass; the landing is then the first sample of the
// run that already lies at the run's resting level. The runs are only followed sample by sample around quiet
// stretches (findQuietStretch): no run between them can be at rest, and the runs start afresh at the block before
// the next quiet stretch. They may then be cut a little differently from one unbroken pass, which finds landings as
// accurately but looks at every sample of the flight.
int findLanding(const PreparedSamples& s, int from, double ground, double nearGround = kNearGround)
{
    const int n = s.count();
    const double* a = s.a.data();
    const double* t = s.t.data();
    QuietStretch quiet = findQuietStretch(s, from);
    if (quiet.restart >= n)
        return -1;
    int start = quiet.restart;
    double startTime = t[start];
    double low = a[start];
    double high = a[start];
    // The band's edges are kept as state of their own, so that the band test waits only on them and not on an
    // addition after the run's lowest and highest: min(v, low) + band is min(v + band, low + band) exactly.
    double below = high - kRestBand; // the lowest altitude the run admits
    double above = low + kRestBand;  // the highest
    int restEnd = -1; // one past the last sample of the qualifying run
    for (int i = start + 1; i < n; ++i) {
        // The run grows while its samples stay within the band and restarts at a sample that leaves it. Written
        // as selects, not branches: on a noisy recording the band test is a coin toss at every sample.
        double v = a[i];
        const bool inBand = v >= below && v <= above;
        if (i >= quiet.end && !inBand) { // in this order: the band test is a coin toss, the other is not
            // A new run past the quiet stretch: the next run at rest lies around the next quiet stretch.
            quiet = findQuietStretch(s, i);
            if (quiet.restart >= n)
                return -1;
            i = quiet.restart;
            v = a[i];
        }
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
