#include "plot/Readout.h"

#include "data/CFormat.h"
#include "data/Plot.h"
#include "data/SetView.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace vimo {
namespace {

std::int64_t truncated32(double value)
{
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    if (std::isnan(value))
        return 0;
    return std::int64_t(std::trunc(std::fmin(std::fmax(value, lo), hi)));
}

} // namespace

QString positionText(double time, double altitude)
{
    return QLatin1String("Time = ") + QLatin1String(cformat::fixed(time, 1, 8)) + QLatin1String(", Altitude = ")
           + QLatin1String(cformat::integer(truncated32(altitude), 4));
}

std::optional<QString> rateOfClimbText(const SampleSeries& series, int i, double toAxis)
{
    if (i <= 0 || i >= series.count())
        return std::nullopt;
    const double dt = series.time(i) - series.time(i - 1);
    const double rate = (series.altitude(i) - series.altitude(i - 1)) * toAxis / dt;
    if (!std::isfinite(rate))
        return std::nullopt;
    return QString(QLatin1String("Rate of Climb = ") + QLatin1String(cformat::fixed(rate, 3, 8))
                   + QLatin1String(" units/sec"));
}

namespace {

// The read-outs for time t of the time axis, the series placed on the axes by `view`.
std::optional<CursorReadout> readoutInView(const SampleSeries& series, double t, const SetView& view)
{
    const int i = series.nearestIndex(view.setTime(t));
    if (i < 0)
        return std::nullopt;
    return CursorReadout{i, positionText(view.axisTime(series.time(i)), view.axisAltitude(series.altitude(i))),
                         rateOfClimbText(series, i, view.toAxis)};
}

} // namespace

std::optional<CursorReadout> cursorReadout(const SampleSeries& series, double t, double toAxis)
{
    return readoutInView(series, t, SetView{0, toAxis});
}

std::optional<CursorReadout> cursorReadout(const Plot& plot, int k, double t)
{
    if (!plot.signals.isValidIndex(k))
        return std::nullopt;
    const DataSet& set = plot.signals.at(k);
    return readoutInView(set.altitude.series, t, setView(plot, set));
}

std::optional<PlotPoint> samplePoint(const Plot& plot, int k, int i)
{
    if (!plot.signals.isValidIndex(k))
        return std::nullopt;
    const DataSet& set = plot.signals.at(k);
    const SampleSeries& series = set.altitude.series;
    if (i < 0 || i >= series.count())
        return std::nullopt;
    const SetView view = setView(plot, set);
    return PlotPoint{view.axisTime(series.time(i)), view.axisAltitude(series.altitude(i))};
}

} // namespace vimo
