#pragma once

#include "FlightPath.h"

#include <QtGlobal>
#include <vector>

namespace vimo::sim {

// What a simulated recording holds, one kind of day at the field each.
enum class Session {
    Electric,   // electric gliders: a motor climb, thermals and glides, a landing back on the field, a rest
    HandLaunch, // hand-launched gliders: throws, short glides, landings and walks back
    EndsInAir,  // electric flights, the last one still soaring when the recording stops
};

// A flight of the plan, in seconds: the climb begins at `launch`; touchdown at `touchdown` (infinite when the
// recording ends before it).
struct PlannedFlight {
    double launch = 0;
    double touchdown = 0;
};

// The true altitude (metres above the field) of a recording and its flights, with the times of the trigger events:
// each launch, and now and then a camera shot in flight.
struct FlightPlan {
    FlightPath path;
    std::vector<PlannedFlight> flights;
    std::vector<double> events; // ascending
};

// Plans a session of `seconds` for samples every `step` seconds. Each event takes a sample's place in the recording, so
// the recording may stop one step sooner for each event: the plan holds its end for that long. A recording ends either
// at rest for a minute or more after its last landing, or (EndsInAir) gliding well above the field. The same seed gives
// the same plan.
FlightPlan planSession(Session session, double seconds, double step, quint32 seed);

} // namespace vimo::sim
