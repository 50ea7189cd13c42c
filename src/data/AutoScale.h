#pragma once

namespace vimo {

struct Plot;

// Automatic ranges from the samples of every altitude Signal, altitudes converted into the axis unit and times
// shifted as the view aligns them (setView; trigger Signals are skipped, the Signals' display offsets and scales
// ignored). Each sets its half of the visible range and of homeRange to a span of whole "units" that
// holds the data, for example 0..87 -> 0..90, 19..104 -> 10..110, 5..5 -> 5..7.
// Aligned at launch (Plot::alignAtLaunch) the time axis's lower end rounds down, -70..169 -> -100..200, so that the
// time before the launches stays in view. When no altitude Signal holds a sample, the axis's range and homeRange
// stay as they are.
void autoScaleTime(Plot& plot);
void autoScaleAltitude(Plot& plot);

// The rule for one axis over the values' minimum and maximum, exposed for tests: returns lower and upper.
void autoScaleRange(double min, double max, double& lower, double& upper);

} // namespace vimo
