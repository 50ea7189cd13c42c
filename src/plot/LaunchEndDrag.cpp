#include "plot/LaunchEndDrag.h"

#include "analysis/FlightReport.h"
#include "data/Plot.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace vimo::launchenddrag {

int pixelOfTime(const Plot& plot, const DataAreaPixels& area, double t)
{
    const double span = plot.xMax - plot.xMin;
    if (area.right <= area.left || !(span != 0) || !std::isfinite(span) || !std::isfinite(t))
        return area.left;
    const double x = area.left + (t - plot.xMin) * (area.right - area.left) / span;
    constexpr double kLimit = 1e9; // far outside any screen, still an int
    return int(std::lround(std::clamp(x, -kLimit, kLimit)));
}

int markAt(const Plot& plot, const DataAreaPixels& area, const FlightReport& report, int x, double timeShift)
{
    int best = -1;
    int bestDistance = std::numeric_limits<int>::max();
    for (std::size_t k = 0; k < report.flights.size(); ++k) {
        const Flight& f = report.flights[k];
        if (!f.launchEnd)
            continue;
        const int distance = std::abs(pixelOfTime(plot, area, *f.launchEnd + timeShift) - x);
        if (distance <= kGrabPixels && distance < bestDistance) {
            best = int(k);
            bestDistance = distance;
        }
    }
    return best;
}

double launchEndAt(const Plot& plot, const DataAreaPixels& area, const Flight& flight, int x, double timeShift)
{
    const double t = valueAtPixel(plot, area, x, area.top).t - timeShift;
    return std::clamp(t, flight.launch, flight.launch + flight.duration);
}

} // namespace vimo::launchenddrag
