#pragma once

#include "plot/PlotPoint.h"

namespace vimo {

struct Plot;

// The zoom, pan and reset buttons of the plot. Spans are taken before the change. A step whose result would not be
// a finite range (a view zoomed out or panned beyond the doubles) leaves the view as it is, so the view can always
// be drawn and stepped back.

// Halves both spans around the view's centre, never below 10 (seconds, altitude units): 0..15 -> 2.5..12.5.
void zoomIn(Plot& plot);
// Doubles both spans around the view's centre, never below 10: 0..3 -> -3.5..6.5.
void zoomOut(Plot& plot);
// Scales both spans by `factor` (never below 10) keeping the point `fixed` where it is on the screen: the mouse
// wheel zooms around the cursor. A view of no span zooms around its one value.
void zoomAt(Plot& plot, const PlotPoint& fixed, double factor);

// Back to homeRange.
void resetView(Plot& plot);
// Back to the start-up view 0..20 / 0..20, whatever homeRange holds.
void homeView(Plot& plot);

enum class PanDirection { Left, Right, Up, Down };

// Moves the view by `fraction` of its span: the buttons move it by 0.2, Shift with the arrow keys by 0.1.
// Right and Up move towards larger values.
void pan(Plot& plot, PanDirection direction, double fraction);
constexpr double kPanButtonFraction = 0.2;
constexpr double kPanKeyFraction = 0.1;

enum class Axis { Time, Altitude };

// Keeps the axis's minimum and sets its maximum to minimum + span x factor (Ctrl with the arrow keys).
void stretchAxis(Plot& plot, Axis axis, double factor);

} // namespace vimo
