#include "plot/AltitudeDisplay.h"

#include "analysis/FlightReport.h"
#include "data/SetView.h"

namespace vimo {

void setAltitudeAxisChoice(Plot& plot, AltitudeAxisChoice choice)
{
    const AltitudeUnit before = axisUnit(plot);
    plot.altitudeAxis = choice;
    const double factor = unitFactor(before, axisUnit(plot));
    if (factor == 1.0)
        return;
    plot.yMin *= factor;
    plot.yMax *= factor;
    plot.homeRange.yMin *= factor;
    plot.homeRange.yMax *= factor;
}

double displayAltitude(const Plot& plot, const DataSet& set, double altitude)
{
    return altitude * toAxisFactor(plot, set);
}

QString legendText(const Plot& plot, int k)
{
    const DataSet& set = plot.signals.at(k);
    if (set.unit == AltitudeUnit::Unknown || !unitsMixed(plot))
        return set.name();
    return QStringLiteral("%1 (%2)").arg(set.name(), unitSymbol(set.unit));
}

AltitudeUnit analysisUnit(const Plot& plot, const DataSet& set)
{
    return set.unit != AltitudeUnit::Unknown ? set.unit : unitNamedBy(axisLabel(plot));
}

FlightReport reportInAxisUnit(const Plot& plot, const FlightReport& report)
{
    const AltitudeUnit axis = axisUnit(plot);
    if (report.unit.assumed || axis == AltitudeUnit::Unknown || report.unit.unit == axis)
        return report;
    const double factor = unitFactor(report.unit.unit, axis);
    FlightReport shown = report;
    shown.unit = {axis, false};
    for (Flight& f : shown.flights) {
        f.groundAltitude *= factor;
        f.maxAltitude *= factor;
        if (f.startHeight)
            *f.startHeight *= factor;
        for (Climb& c : f.climbs) {
            c.gain *= factor;
            c.rate *= factor;
        }
    }
    return shown;
}

} // namespace vimo

namespace vimo {
namespace {

void shiftTimes(Flight& f, double shift)
{
    const auto move = [shift](std::optional<double>& t) {
        if (t)
            *t += shift;
    };
    f.launch += shift;
    move(f.launchEnd);
    move(f.windowEnd);
    move(f.landing);
    move(f.startHeightTime);
    f.maxAltitudeTime += shift;
    for (Climb& c : f.climbs) {
        c.start += shift;
        c.end += shift;
    }
}

} // namespace

FlightReport reportInView(const Plot& plot, const DataSet& set, const FlightReport& report)
{
    FlightReport shown = reportInAxisUnit(plot, report);
    const double shift = setView(plot, set).timeShift;
    if (shift != 0) {
        for (Flight& f : shown.flights)
            shiftTimes(f, shift);
    }
    return shown;
}

} // namespace vimo
