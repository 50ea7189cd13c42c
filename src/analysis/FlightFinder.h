#pragma once

#include "analysis/PreparedSamples.h"

#include <vector>

namespace vimo::analysis {

// Where one flight lies in the prepared samples. Indices into PreparedSamples; altitudes in metres.
struct FlightSpan {
    int launch = 0;                     // the last sample on the ground before the climb
    bool launchBeforeRecording = false; // the recording began in the air
    bool launchedDownhill = false;      // the model left a rest by a fall: launched from a slope, with no climb
    double ground = 0;                  // ground level at the launch
    double launchEndTime = 0;           // estimated end of the initial climb (not set without a climb)
    int landing = -1;                   // first sample at rest after the flight; -1 when it ends in the air
    int last = 0;                       // landing, or the last sample
};

// Thresholds of the flight search, in metres and seconds.
inline constexpr double kLaunchRise = 10.0;    // a launch carries the model this far above ground level
inline constexpr double kGroundWindow = 30.0;  // the ground level is looked for this far before the climb
inline constexpr double kRestBand = 3.0;       // at rest the altitude stays within +-1.5 m
inline constexpr double kNearGround = 5.0;     // "near the launch's ground level"
inline constexpr double kRestNearGround = 10.0;
inline constexpr int kRestNearGroundSamples = 5;
inline constexpr double kRestElsewhere = 60.0;
inline constexpr int kRestElsewhereSamples = 12;
inline constexpr double kRestAtEnd = 20.0;
inline constexpr double kDownhillRate = 1.0; // m/s: a fall from rest at least this fast is flying, not walking

// Every flight, in recording order. Each begins where the previous one landed.
std::vector<FlightSpan> findFlights(const PreparedSamples& s);

} // namespace vimo::analysis
