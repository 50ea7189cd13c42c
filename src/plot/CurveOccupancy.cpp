#include "plot/CurveOccupancy.h"

#include <algorithm>
#include <cmath>

namespace vimo {

CurveOccupancy::CurveOccupancy(int left, int right) : m_left(left), m_right(std::max(right, left - 1)) {}

void CurveOccupancy::cover(std::vector<Span>& spans, int column, int y0, int y1) const
{
    Span& s = spans[std::size_t(column - m_left)];
    const int top = std::min(y0, y1);
    const int bottom = std::max(y0, y1);
    if (s.top > s.bottom) {
        s = {top, bottom};
        return;
    }
    s.top = std::min(s.top, top);
    s.bottom = std::max(s.bottom, bottom);
}

void CurveOccupancy::addPolyline(std::span<const QPoint> points)
{
    if (points.empty() || m_right < m_left)
        return;
    std::vector<Span>& spans = m_curves.emplace_back(std::size_t(m_right - m_left + 1));
    if (points.size() == 1) {
        const QPoint p = points.front();
        if (p.x() >= m_left && p.x() <= m_right)
            cover(spans, p.x(), p.y(), p.y());
        return;
    }
    for (std::size_t i = 1; i < points.size(); ++i) {
        const QPoint a = points[i - 1];
        const QPoint b = points[i];
        const int x0 = std::min(a.x(), b.x());
        const int x1 = std::max(a.x(), b.x());
        if (x1 < m_left || x0 > m_right)
            continue;
        if (x0 == x1) {
            cover(spans, x0, a.y(), b.y());
            continue;
        }
        // The height of the segment at each column it crosses, a column reaching half a pixel either side.
        const double slope = double(b.y() - a.y()) / double(b.x() - a.x());
        const auto heightAt = [&](double x) {
            const double clamped = std::clamp(x, double(x0), double(x1));
            return int(std::lround(a.y() + slope * (clamped - a.x())));
        };
        for (int c = std::max(x0, m_left); c <= std::min(x1, m_right); ++c)
            cover(spans, c, heightAt(c - 0.5), heightAt(c + 0.5));
    }
}

int CurveOccupancy::coveredColumns(const QRect& box) const
{
    int covered = 0;
    for (int c = std::max(box.left(), m_left); c <= std::min(box.right(), m_right); ++c) {
        for (const std::vector<Span>& spans : m_curves) {
            const Span& s = spans[std::size_t(c - m_left)];
            if (s.top <= s.bottom && s.top <= box.bottom() && s.bottom >= box.top()) {
                ++covered;
                break;
            }
        }
    }
    return covered;
}

} // namespace vimo
