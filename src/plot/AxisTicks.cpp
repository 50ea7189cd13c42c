#include "plot/AxisTicks.h"

#include "data/CFormat.h"
#include "data/Plot.h"
#include "data/SetView.h"
#include "plot/PlotLayout.h"
#include "plot/Ticks.h"

namespace vimo {
namespace {

template <typename ToPixel>
std::vector<AxisTick> axisTicks(double min, double max, ToPixel toPixel)
{
    const Ticks ticks = chooseTicks(min, max);
    const int n = ticks.count();
    std::vector<AxisTick> result;
    result.reserve(std::size_t(n));
    double v = ticks.first;
    for (int i = 0; i < n; ++i, v += ticks.step)
        result.push_back({toPixel(v), QString::fromLatin1(cformat::fixed(v, ticks.decimals))});
    return result;
}

double averageClimb(const SampleSeries& s, double xMin, double xMax)
{
    int first = -1;
    int last = -1;
    for (int i = 0; i < s.count(); ++i) {
        if (first < 0 && !(s.time(i) < xMin))
            first = i;
        if (!(s.time(i) > xMax))
            last = i;
    }
    if (first < 0 || last < 0)
        return 0;
    const double dt = s.time(last) - s.time(first);
    return dt != 0 ? (s.altitude(last) - s.altitude(first)) / dt : 0;
}

} // namespace

std::vector<AxisTick> timeAxisTicks(const Plot& plot, const PlotLayout& layout)
{
    const PixelMapper map(plot, layout);
    return axisTicks(plot.xMin, plot.xMax, [&](double t) { return layout.plotLeft + map.timeToPixel(t); });
}

std::vector<AxisTick> altitudeAxisTicks(const Plot& plot, const PlotLayout& layout)
{
    const PixelMapper map(plot, layout);
    return axisTicks(plot.yMin, plot.yMax, [&](double a) { return layout.plotTop + map.altitudeToPixel(a); });
}

QString averageClimbText(const Plot& plot)
{
    if (plot.signals.signalCount() == 0)
        return {};
    const DataSet& first = plot.signals.at(0);
    const SetView view = setView(plot, first);
    const double rate =
        view.axisAltitude(averageClimb(first.altitude.series, view.setTime(plot.xMin), view.setTime(plot.xMax)));
    return QStringLiteral("Avg Climb = ") + QString::fromLatin1(cformat::general(rate, 3));
}

} // namespace vimo
