#pragma once

#include "plot/PlotPoint.h"

namespace vimo {

struct Plot;

// The data area of the latest rendering in device pixels: left..right x top..bottom.
struct DataAreaPixels {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Whether the mouse position (x, y) lies on the data area, edges included.
bool isOnDataArea(const DataAreaPixels& area, int x, int y);

// The time and altitude under the mouse position (x, y), linear over the visible range:
//   t = (x - left) x (xMax - xMin) / (right - left) + xMin,  a = yMax - (y - top) x (yMax - yMin) / (bottom - top).
// A data area without width (or height) maps every position to xMin (yMax), so a collapsed layout never gives a
// value that is not a number.
PlotPoint valueAtPixel(const Plot& plot, const DataAreaPixels& area, int x, int y);

} // namespace vimo
