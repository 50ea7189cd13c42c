#pragma once

#include <QPoint>
#include <QRect>
#include <span>
#include <vector>

namespace vimo {

// The heights at which the drawn curves cross each pixel column of the data area, so that a label can be put where
// it covers no curve. Each curve keeps one span per column, from the highest to the lowest pixel it reaches there
// (a curve that passes a column twice covers what lies between as well: a label is never put there).
class CurveOccupancy {
public:
    // The data area's columns left..right (device pixels, both included).
    CurveOccupancy(int left, int right);

    // Adds a curve drawn as a polyline through `points` (device pixels, in drawing order). Points far outside the
    // data area, where the renderer pins values out of view, count as drawn: the line runs towards them.
    void addPolyline(std::span<const QPoint> points);

    // The columns of `box` in which it meets a curve; 0 when it covers none.
    int coveredColumns(const QRect& box) const;

private:
    struct Span {
        int top = 1;
        int bottom = 0; // empty while top > bottom
    };
    void cover(std::vector<Span>& spans, int column, int y0, int y1) const;

    int m_left;
    int m_right;
    std::vector<std::vector<Span>> m_curves; // per curve, one span per column
};

} // namespace vimo
