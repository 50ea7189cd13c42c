#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace vimo {

struct Plot;
struct PlotLayout;

// The legend of a rendering: one row per data set whose altitude line is visible, a short stretch of the line in
// its colour and style (a marker-only data set shows an empty stretch) followed by the data set's legendText (its
// name, with its unit while units are mixed), boxed in
// the top right corner of the data area. Text is drawn in `ink` on `paper`; in black and white the lines are
// black, as the renderer draws them. Returns the box drawn, empty when there is nothing to list.
QRect drawPlotLegend(QPainter& painter, int ppiX, int ppiY, const Plot& plot, const PlotLayout& layout, bool inColor,
                     const QColor& ink, const QColor& paper);

} // namespace vimo
