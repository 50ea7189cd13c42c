#pragma once

#include <optional>
#include <vector>

namespace vimo {

class SampleSeries;

// The climb rate of a recording as a variometer shows it: smoothed over a few seconds so that sensor noise does
// not swamp it. At sample i it is the slope of the least-squares line through the samples within half the window
// either side of i's time, and at least through i's neighbours (so that a slowly sampled recording still has a
// rate). Rates are in the series' altitude unit per second, from its raw samples.
inline constexpr double kClimbRateWindowSeconds = 5.0;

// The smoothed climb rate at sample i; none for a sample that does not exist, and where the samples around it share
// one time or hold a value that is not finite.
std::optional<double> smoothedClimbRate(const SampleSeries& series, int i, double window = kClimbRateWindowSeconds);

// The smoothed climb rate at time t, interpolated linearly between the rates of the samples either side of t (a
// sample's own at its time); none outside the series' first..last time, or where a rate is undefined.
std::optional<double> climbRateAt(const SampleSeries& series, double t, double window = kClimbRateWindowSeconds);

// The altitude at time t, interpolated linearly between the samples either side of t; none outside the series'
// first..last time.
std::optional<double> altitudeAt(const SampleSeries& series, double t);

// The index range first..last (inclusive) of the samples whose times lie within tMin..tMax, widened by one sample
// either side where there is one (a line drawn through them enters and leaves the range); false for an empty series
// or range.
bool samplesAround(const SampleSeries& series, double tMin, double tMax, int& first, int& last);

} // namespace vimo
