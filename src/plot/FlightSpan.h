#pragma once

#include <algorithm>

namespace vimo {

// The time range that shows a flight whole, with room on either side: 5 % of its duration, at least 5 s.
struct FlightSpan {
    double from = 0;
    double to = 0;
};

inline FlightSpan flightSpan(double launch, double duration)
{
    const double room = std::max(0.05 * duration, 5.0);
    return {launch - room, launch + duration + room};
}

} // namespace vimo
