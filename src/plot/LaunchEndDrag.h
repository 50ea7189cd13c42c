#pragma once

#include "plot/PixelMapping.h"

namespace vimo {

struct Flight;
struct FlightReport;
struct Plot;

// The arithmetic of dragging a flight's launch-end mark on the plot box: which mark lies under the mouse, and the
// time a mouse position stands for, kept inside the flight.
namespace launchenddrag {

// How far, in pixels either side, the mouse may be from a mark and still take it.
inline constexpr int kGrabPixels = 4;

// The x pixel of time t on the data area (linear over the visible range, like valueAtPixel backwards); the left
// edge for a range without width.
int pixelOfTime(const Plot& plot, const DataAreaPixels& area, double t);

// The flight whose launch-end mark lies within kGrabPixels of x (the nearest one), or -1. The report's times are
// the analysis' own; `timeShift` is the shift the view adds to them (SetView::timeShift of the report's data set).
int markAt(const Plot& plot, const DataAreaPixels& area, const FlightReport& report, int x, double timeShift = 0);

// The launch end that x stands for, in the analysis' own times (the view's `timeShift` taken off the time under
// x), kept between the flight's launch and its landing (or its last sample).
double launchEndAt(const Plot& plot, const DataAreaPixels& area, const Flight& flight, int x, double timeShift = 0);

} // namespace launchenddrag
} // namespace vimo
