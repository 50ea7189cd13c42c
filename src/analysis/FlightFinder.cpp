#include "analysis/FlightFinder.h"

#include "analysis/LaunchEnd.h"
#include "analysis/LaunchSearch.h"
#include "analysis/Rests.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vimo::analysis {
namespace {

// How long a run must hold still to be taken for a rest on the ground, in seconds and samples.
constexpr double kRest = 10.0;
constexpr int kRestSamples = 5;
constexpr double kLongRest = 60.0; // a rest this long is on the ground, wherever it is and whatever follows it
constexpr int kLongRestSamples = 12;
constexpr double kShortRest = 5.0; // where the recording begins or ends, a rest of a few samples is enough
constexpr int kShortRestSamples = 3;
constexpr double kNearGround = 5.0; // metres: "at the launch's ground level"
constexpr double kStill = 0.1;      // m/s: at rest the altitude changes no faster than this
// How fast the next launch from a shorter rest leaves it, m/s: a throw, a motor or a winch climbs at least this fast,
// and a glider launched down a slope falls at least this fast. A soaring aircraft rarely climbs or dives as fast
// where it flew level with its take-off.
constexpr double kRelaunchClimb = 3.0;
constexpr double kRelaunchFall = 2.0;
constexpr double kRelaunchFallRest = 30.0; // seconds: before a glider is launched down a slope again, and more than a
                                           // soaring one flies level before it dives
constexpr double kLookAhead = 600.0; // seconds: a flight that goes on leaves its level sooner; looking no further keeps
                                     // the search short where many brief rests follow one another

bool lasts(const PreparedSamples& s, const Run& r, double least, int samples)
{
    return seconds(s, r) >= least && r.samples() >= samples;
}

// A run that may be a rest on the ground: it lasts a while, and lies still once settled.
bool stillRest(const PreparedSamples& s, const Run& r)
{
    return lasts(s, r, kRest, kRestSamples) && liesStill(s, settledPart(s, r));
}

// A run with which the recording ends is a rest when it lasts a few samples and lies at the launch's ground level (an
// altimeter settles in steps there as the aircraft comes to rest) or does not sink through the band as a glider still
// in the air at the end of the recording does (a pilot who stands up after landing raises the altimeter a little).
bool restAtEnd(const PreparedSamples& s, const Run& r, double ground)
{
    return lasts(s, r, kShortRest, kShortRestSamples)
           && (std::abs(arrivalLevel(s, r) - ground) <= kNearGround || trend(s, r) > -kStill);
}

// A run with which the recording begins is a rest when it lasts a few samples and holds still before it is left (a
// greedy run may end with the first metres of a departure).
bool restAtStart(const PreparedSamples& s, const Run& r)
{
    return lasts(s, r, kShortRest, kShortRestSamples) && std::abs(trend(s, firstHalf(s, r))) < kStill;
}

Departure findLaunch(const PreparedSamples& s, int from, double level, int walks = 0,
                     double until = std::numeric_limits<double>::infinity());

// Whether the aircraft was on the ground during the run, when the ground lies at `ground`. Holding an altitude for a
// while proves little: gliders soar level with a slope for many seconds, and in smooth lift for a minute and more. A
// long rest that lies still is on the ground, and so is a rest at the end of the recording; a shorter one only at
// ground level, once it lies still, and when nothing but a launch leaves it: no flight follows within kLookAhead,
// or a throw, a motor climb, a winch or a fall down a slope does, maybe after a walk. A flight that goes on leaves it
// by a gentle climb or a glide. `walks` counts the walks already followed to come here.
bool onGround(const PreparedSamples& s, const Run& r, double ground, int walks = 0)
{
    if (r.last == s.count() - 1)
        return restAtEnd(s, r, ground);
    if (!stillRest(s, r))
        return false;
    if (lasts(s, r, kLongRest, kLongRestSamples))
        return true;
    if (std::abs(arrivalLevel(s, r) - ground) > kNearGround)
        return false;
    const double until = s.t[std::size_t(r.last)] + kLookAhead;
    const Departure next = findLaunch(s, r.last, departureLevel(s, r), walks, until);
    if (next.kind == Departure::Fall)
        return seconds(s, r) >= kRelaunchFallRest && next.rate >= kRelaunchFall;
    return !next || next.rate >= kRelaunchClimb;
}

// The first sample from `from` on at which the aircraft is at rest on the ground after a flight from `ground`, or -1.
int findLanding(const PreparedSamples& s, int from, double ground)
{
    for (int i = from; i < s.count();) {
        const Run r = runFrom(s, i);
        if (r.samples() >= kShortRestSamples && onGround(s, r, ground))
            return landingIn(s, r, from);
        i = r.last + 1;
    }
    return -1;
}

// The first launch from the rest at `level` that begins at `from`. A slow fall from the rest is someone walking down
// with the aircraft when it ends within a couple of minutes in another rest on the ground; otherwise it is a glide
// away from a slope. A chain of more than a few walks is taken for a glide, which keeps the search short. A fall slower
// than the weather moves the altimeter is no departure: the ground level drifted.
Departure findLaunch(const PreparedSamples& s, int from, double level, int walks, double until)
{
    constexpr double kWalk = 120.0;
    constexpr int kWalks = 3;
    constexpr double kDrift = 0.05; // m/s: the weather moves a resting altimeter no faster than this
    for (;; ++walks) {
        const Departure d = nextDeparture(s, from, level, until);
        if (d.kind == Departure::Fall && d.rate < kDrift) {
            from = d.crossing;
            level = s.a[std::size_t(from)];
            continue;
        }
        if (!d || d.kind == Departure::Climb || d.rate >= kDownhillRate || walks == kWalks)
            return d;
        Run r = runFrom(s, d.crossing);
        while (r.last + 1 < s.count() && !lasts(s, r, kRest, kRestSamples))
            r = runFrom(s, r.last + 1);
        if (s.t[std::size_t(r.first)] - s.t[std::size_t(d.crossing)] > kWalk
            || !onGround(s, r, arrivalLevel(s, r), walks + 1))
            return d;
        from = r.first;
        level = departureLevel(s, r);
    }
}

// A gentle departure (a glider towed up, or soaring away from a slope, rather than thrown, winched or climbing under
// motor) leaves the ground where the aircraft last lay still on it, which may be long before it first rose or fell by
// the launch rise: a paraglider can soar level with its take-off for minutes. Only the rest the search began in and
// long rests count: a soaring glider lies still for shorter stretches too.
Departure fromLastRest(const PreparedSamples& s, int from, Departure d)
{
    if (d.kind == Departure::Climb && d.rate >= kRelaunchClimb)
        return d;
    const int departure = d.launch;
    for (int i = from; i <= departure;) {
        const Run r = runFrom(s, i);
        if (i == from || (stillRest(s, r) && lasts(s, r, kLongRest, kLongRestSamples))) {
            d.launch = std::min(r.last, departure);
            d.ground = departureLevel(s, r);
        }
        i = r.last + 1;
    }
    return d;
}

FlightSpan flightFrom(const PreparedSamples& s, const Departure& d)
{
    FlightSpan f;
    f.launch = d.launch;
    f.ground = d.ground;
    int searchFrom = d.crossing;
    if (d.kind == Departure::Fall) {
        f.launchedDownhill = true;
    } else {
        f.launchEndTime = estimateLaunchEnd(s, d.launch, d.crossing);
        searchFrom = std::max(searchFrom, std::min(firstAtOrAfter(s, f.launchEndTime), s.count() - 1));
    }
    f.landing = findLanding(s, searchFrom, f.ground);
    return f;
}

// A recording that begins with a fall, without a rest before it, began in the air: the flight runs from the first
// sample, and its ground is where it came to rest (or its lowest sample when it did not).
FlightSpan flightUnderway(const PreparedSamples& s, const Departure& d)
{
    FlightSpan f;
    f.launchBeforeRecording = true;
    f.landing = findLanding(s, d.crossing, s.a[0]);
    const int n = s.count();
    f.ground = f.landing >= 0 ? medianAltitude(s, f.landing, std::min(n - 1, f.landing + 20))
                              : *std::min_element(s.a.begin(), s.a.end());
    return f;
}

} // namespace

std::vector<FlightSpan> findFlights(const PreparedSamples& s)
{
    std::vector<FlightSpan> flights;
    const int n = s.count();
    if (n < 2 || s.t.back() <= s.t.front())
        return flights;
    const Run first = runFrom(s, 0);
    double level = s.a[0];
    int from = 0;
    if (!restAtStart(s, first)) {
        // Without a rest to walk away from, a fall is a flight under way.
        const Departure d = nextDeparture(s, 0, level);
        if (d.kind == Departure::Fall) {
            flights.push_back(flightUnderway(s, d));
            from = flights.back().landing;
        }
    } else {
        level = departureLevel(s, first);
    }
    while (from >= 0 && from < n - 1) {
        if (!flights.empty())
            level = departureLevel(s, runFrom(s, from));
        const Departure d = fromLastRest(s, from, findLaunch(s, from, level));
        if (!d)
            break;
        flights.push_back(flightFrom(s, d));
        from = flights.back().landing;
    }
    for (FlightSpan& f : flights)
        f.last = f.landing >= 0 ? f.landing : n - 1;
    // Samples that share one time (a recording edited by hand) could give a flight that takes no time: none is one.
    std::erase_if(flights,
                  [&s](const FlightSpan& f) { return s.t[std::size_t(f.last)] <= s.t[std::size_t(f.launch)]; });
    return flights;
}

} // namespace vimo::analysis
