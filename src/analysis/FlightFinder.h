#pragma once

#include "analysis/PreparedSamples.h"

#include <vector>

namespace vimo::analysis {

// Where one flight lies in the prepared samples. Indices into PreparedSamples; altitudes in metres.
struct FlightSpan {
    int launch = 0;                     // the last sample on the ground before the flight
    bool launchBeforeRecording = false; // the recording began in the air
    bool launchedDownhill = false;      // the aircraft left a rest by a fall: launched from a slope, with no climb
    double ground = 0;                  // ground level at the launch
    double launchEndTime = 0;           // estimated end of the initial climb (not set without a climb)
    int landing = -1;                   // first sample at rest after the flight; -1 when it ends in the air
    int last = 0;                       // landing, or the last sample
};

// Every flight, in recording order. Each begins at or after the landing of the one before.
std::vector<FlightSpan> findFlights(const PreparedSamples& s);

} // namespace vimo::analysis
