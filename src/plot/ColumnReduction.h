#pragma once

#include <QPoint>
#include <span>
#include <vector>

namespace vimo {

// Reduces a polyline of device pixels to the points that shape it: every run of consecutive points in one pixel
// column is replaced by its first, lowest, highest and last point, in their original order. Inside one column the
// line only moves up and down between the run's extremes, so a wide line with round joins through the result
// covers the same area as the line through every point, and a long flight draws as a few points per column
// instead of one per sample. (A one-pixel line drawn by QPainter's cosmetic stroker may differ in single end
// pixels where the full path turned; the renderer draws its one-pixel lines through every sample.)
void reduceColumns(std::span<const QPoint> points, std::vector<QPoint>& reduced);

} // namespace vimo
