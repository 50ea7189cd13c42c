#pragma once

#include "plot/PlotLayout.h"

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QString>
#include <vector>

class QPainter;

namespace vimo {

struct Plot;

// The range and ticks of the climb-rate axis: min..max in steps of 1, 2 or 5 times a power of ten, zero always
// among them, each tick printed with `decimals` digits.
struct ClimbAxis {
    double min = -1;
    double max = 1;
    double step = 0.5;
    int decimals = 1;

    // The tick values min, min + step, ... max.
    std::vector<double> ticks() const;
};

// The axis for rates from `lowest` to `highest`: from about four to ten steps that hold both and zero. Rates that
// are not finite, or a span too wide to divide, give -1..1.
ClimbAxis climbAxisFor(double lowest, double highest);

// The smoothed climb rate (ClimbRate.h) of one data set drawn over the data area against an axis on its right, in
// the axis unit per second, for the data set's line as it is drawn (its display transform, the view's time shift,
// its altitudes converted). The
// axis spans the rates of the samples in view. Build it once per rendering, after the layout that left room for the
// axis (computePlotLayout with climbAxis).
class ClimbRateCurve {
public:
    ClimbRateCurve(const Plot& plot, const PlotLayout& layout, int dataSet);

    const ClimbAxis& axis() const { return m_axis; }
    // The curve's device pixels in drawing order (empty when the data set has fewer than two samples in view).
    const std::vector<QPoint>& points() const { return m_points; }
    // The label of the axis: "Climb Rate (m/s)", "Climb Rate (ft/s)", "Climb Rate (units/s)" for an unknown unit.
    const QString& label() const { return m_label; }

    // The y pixel of a rate, pinned to the data area's edges like an altitude.
    int pixelOf(double rate) const;

    // The axis right of the data area: ticks in `ink`, tick labels in the painter's current font, and the label
    // running upwards in `labelFont`, texts in `textColour` on `paper`. Drawn before the data area is clipped.
    void paintAxis(QPainter& painter, int ppiX, const QColor& ink, const QColor& textColour, const QColor& paper,
                   const QFont& labelFont) const;

    // The zero line (dashed) and the curve (one pixel wide) in `colour`, inside the clipped data area.
    void paintCurve(QPainter& painter, const QColor& colour) const;

private:
    void computePoints(const Plot& plot, int dataSet);

    PlotLayout m_layout;
    ClimbAxis m_axis;
    QString m_label;
    std::vector<QPoint> m_points;
};

} // namespace vimo
