#pragma once

#include "analysis/PreparedSamples.h"

namespace vimo::analysis {

// At rest the altitude stays within a band this wide (metres).
inline constexpr double kRestBand = 3.0;

// A run of samples within kRestBand: the samples from `first` to `last`. Runs are cut greedily: a run grows while its
// samples stay within the band, and the sample that leaves it starts the next run.
struct Run {
    int first = 0;
    int last = 0;

    int samples() const { return last - first + 1; }
};

// The run that begins at sample `first`.
Run runFrom(const PreparedSamples& s, int first);

inline double seconds(const PreparedSamples& s, const Run& r)
{
    return s.t[std::size_t(r.last)] - s.t[std::size_t(r.first)];
}

// The first half of a run in time.
Run firstHalf(const PreparedSamples& s, const Run& r);

// The level at which the aircraft comes to rest in the run, and the one it leaves the run from: the medians of the
// samples after its first few seconds, and of its last few. A long rest on the ground drifts with the weather.
double arrivalLevel(const PreparedSamples& s, const Run& r);
double departureLevel(const PreparedSamples& s, const Run& r);

// Whether the samples of the run lie within kStillBand: an altimeter at rest on the ground shows little more than the
// last digit changing, while one in a glider soaring level wanders through the wider band.
inline constexpr double kStillBand = 2.0;
bool liesStill(const PreparedSamples& s, const Run& r);

// The part of the run in which an aircraft that came to rest in it had settled and not yet begun to leave: half a minute
// at most, from half of its length (or ten seconds) after its first sample, to a quarter (or five seconds) before its
// last.
Run settledPart(const PreparedSamples& s, const Run& r);

// How fast the altitude changes over the run, m/s: the slope of the straight line through its samples.
double trend(const PreparedSamples& s, const Run& r);

// Where an aircraft that came to rest in the run landed: the first sample at its resting level, reaching back over
// samples before the run (down to `from`) that already lie at that level. A greedy run may begin with the last
// metres of the descent, or after the aircraft came to rest.
int landingIn(const PreparedSamples& s, const Run& r, int from);

} // namespace vimo::analysis
