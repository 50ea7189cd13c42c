#pragma once

namespace vimo {

// A position on the plot in data values: time t in seconds, altitude a.
struct PlotPoint {
    double t = 0;
    double a = 0;
};

} // namespace vimo
