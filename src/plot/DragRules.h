#pragma once

#include "plot/PlotPoint.h"

namespace vimo {

struct DataSet;
struct Plot;

// A mouse drag counts when it spans at least 2 seconds and 2 altitude units: the whole-number parts of both
// differences exceed 1. A shorter drag changes nothing (the plot is only repainted).
bool isLargeDrag(const PlotPoint& anchor, const PlotPoint& current);

// End of a "Zoom" drag: a large drag makes the rectangle between the two points the visible range.
// Returns whether the range changed.
bool zoomToDrag(Plot& plot, const PlotPoint& anchor, const PlotPoint& current);

// End of a "Climb" drag from sample `start` to sample `end` of the data set's altitude series: a large drag stores
// a rate mark in the lowest free of the 256 slots. Nothing is stored when all slots are in use, when either
// sample does not exist (-1: the series has none), or when both ends are the same sample, whose rate is undefined.
// Returns whether a mark was stored.
bool placeRateMark(DataSet& set, int start, int end, const PlotPoint& anchor, const PlotPoint& current);

// A "Peak" click on sample `sample`: its tag toggles between unmarked (0) and marked (1). Returns false and changes
// nothing when the sample does not exist.
bool togglePeakTag(DataSet& set, int sample);

} // namespace vimo
