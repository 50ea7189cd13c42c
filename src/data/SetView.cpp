#include "data/SetView.h"

#include "data/AltitudeAxis.h"
#include "data/Plot.h"

#include <cmath>

namespace vimo {

SetView setView(const Plot& plot, const DataSet& set)
{
    SetView view;
    if (plot.alignAtLaunch && set.firstLaunch && std::isfinite(*set.firstLaunch))
        view.timeShift = -*set.firstLaunch;
    view.toAxis = toAxisFactor(plot, set);
    return view;
}

} // namespace vimo
