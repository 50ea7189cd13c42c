#pragma once

#include "analysis/PreparedSamples.h"

#include <limits>

namespace vimo::analysis {

// Thresholds of the launch search, in metres and seconds.
inline constexpr double kLaunchRise = 10.0;   // a launch carries the aircraft this far above or below its ground level
inline constexpr double kGroundWindow = 30.0; // a climb is measured from the lowest sample this long before it
inline constexpr double kDownhillRate = 1.0;  // m/s: a fall from rest at least this fast is flying, not walking

// The first sign of flight after a stretch on the ground.
struct Departure {
    enum Kind { None, Climb, Fall } kind = None;
    int crossing = -1; // the first sample more than kLaunchRise above the lowest before it, or below the rest level
    int launch = -1;   // the last sample at ground level before the crossing
    double ground = 0; // the ground level, metres
    double rate = 0;   // m/s from the launch to the crossing, up or down; infinite when they are neighbours

    explicit operator bool() const { return kind != None; }
};

// The first departure from `from` on, up to the time `until`: a climb more than kLaunchRise above the lowest sample
// of the kGroundWindow before it (not before `from`), or a fall more than kLaunchRise below `level`. A single sample
// beyond the rise that the next sample leaves again is a bad reading, not a departure.
Departure nextDeparture(const PreparedSamples& s, int from, double level,
                        double until = std::numeric_limits<double>::infinity());

} // namespace vimo::analysis
