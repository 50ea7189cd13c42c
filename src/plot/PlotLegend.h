#pragma once

#include "plot/PlotLayout.h"

#include <QColor>

class QPainter;

namespace vimo {

struct Plot;

// The legend of a rendering: one row per data set, in the plot's order, a short stretch of its line in its colour
// and style (a marker-only data set shows an empty stretch) followed by the data set's legendText (its name, with
// its unit while units are mixed), boxed in the top right corner of the data area. A hidden data set keeps its row,
// greyed. Text is drawn in `ink` on `paper`; in black and white the lines are black, as the renderer draws them.
// Returns where the legend was drawn, empty when there is no data set to list.
LegendLayout drawPlotLegend(QPainter& painter, int ppiX, int ppiY, const Plot& plot, const PlotLayout& layout,
                            bool inColor, const QColor& ink, const QColor& paper);

// The data set whose legend row lies under the device pixel (x, y) of the rendering with this layout, or -1 (no
// legend drawn, or the pixel is off its rows).
int legendEntryAt(const PlotLayout& layout, int x, int y);

} // namespace vimo
