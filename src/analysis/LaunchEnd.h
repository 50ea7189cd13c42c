#pragma once

#include "analysis/PreparedSamples.h"

namespace vimo::analysis {

// The end of the initial climb of a launch from sample `launch` that passed the launch rise at sample `crossing`, in
// seconds on the time axis: where a throw or motor climb turns into a glide, or a slowing climb into a thermal's rate.
double estimateLaunchEnd(const PreparedSamples& s, int launch, int crossing);

} // namespace vimo::analysis
