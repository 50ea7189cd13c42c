#include "plot/ColumnReduction.h"

#include <algorithm>
#include <array>

namespace vimo {

void reduceColumns(std::span<const QPoint> points, std::vector<QPoint>& reduced)
{
    reduced.clear();
    const std::size_t n = points.size();
    std::size_t start = 0;
    while (start < n) {
        const int x = points[start].x();
        std::size_t end = start + 1; // one past the run of points in column x
        std::size_t lowest = start;  // largest y: lowest on the page
        std::size_t highest = start;
        while (end < n && points[end].x() == x) {
            if (points[end].y() > points[lowest].y())
                lowest = end;
            if (points[end].y() < points[highest].y())
                highest = end;
            ++end;
        }
        std::array<std::size_t, 4> keep = {start, std::min(lowest, highest), std::max(lowest, highest), end - 1};
        std::size_t previous = n; // no index
        for (const std::size_t i : keep) {
            if (i != previous)
                reduced.push_back(points[i]);
            previous = i;
        }
        start = end;
    }
}

} // namespace vimo
