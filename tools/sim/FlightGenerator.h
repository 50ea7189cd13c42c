#pragma once

#include "SimTypes.h"

namespace vimo::sim {

// A recording of realistic flights in feet, one after another until `words` words are filled: a while on the
// ground, a launch climb, a glide with sink, thermals (climbing circles that make the altitude swing), a landing.
// With `triggers`, a trigger mark comes at each launch release and now and then during the flight (camera shots).
// The same seed gives the same words. `interval` is the set's sampling interval in base intervals (10 = 1 s at
// the usual 100 ms base).
SimDataSet generateFlight(int words, quint32 seed, quint16 interval = 10, bool triggers = true);

// `count` sets of `words` words each, with seeds seed, seed + 1, ...; the first, third, ... set carry trigger data.
std::vector<SimDataSet> generateFlights(int count, int words, quint32 seed);

} // namespace vimo::sim
