#pragma once

#include "analysis/PreparedSamples.h"

#include <vector>

namespace vimo::analysis {

// A climb in the prepared samples: seconds on the time axis and metres.
struct ClimbSpan {
    double start = 0;
    double end = 0;
    double gain = 0;
};

inline constexpr double kClimbMinSeconds = 20.0;
inline constexpr double kClimbMinGain = 10.0;

// The climbs among samples first..last: the rising legs of the altitude, smoothed over a few seconds, between a
// low and the next high, where a fall of less than a few metres does not end a leg (circling in a thermal), and
// that last at least kClimbMinSeconds and gain at least kClimbMinGain.
std::vector<ClimbSpan> findClimbs(const PreparedSamples& s, int first, int last);

} // namespace vimo::analysis
