#include "plot/CursorValues.h"

#include "data/AltitudeAxis.h"
#include "data/CFormat.h"
#include "data/Plot.h"
#include "data/SetView.h"
#include "plot/AltitudeDisplay.h"
#include "plot/ClimbRate.h"

#include <cmath>

namespace vimo {
namespace {

// A value rounded to `decimals`; one that rounds to zero is written without a sign ("0.00", never "-0.00").
QString number(double v, int decimals)
{
    QString text = QString::fromLatin1(cformat::fixed(v, decimals));
    if (text.startsWith(QLatin1Char('-')) && text.count(QLatin1Char('0')) + 2 == text.size() && text.contains('.'))
        text.remove(0, 1);
    return text;
}

std::optional<double> finite(double v)
{
    return std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
}

QString unitOf(const CursorValues& values)
{
    return values.unit.isEmpty() ? QStringLiteral("units") : values.unit;
}

} // namespace

CursorValues cursorValues(const Plot& plot, double t)
{
    CursorValues values;
    values.time = t;
    values.unit = unitSymbol(axisUnit(plot));
    for (int k = 0; k < plot.signals.size(); ++k) {
        const DataSet& set = plot.signals.at(k);
        if (!set.altitude.visible)
            continue;
        const SetView view = setView(plot, set);
        CursorValue value;
        value.dataSet = k;
        value.name = legendText(plot, k);
        value.colour = set.altitude.lineColor;
        const Signal& line = set.altitude;
        const double own = view.ownTime(line, t);
        if (const auto a = altitudeAt(line.series, own))
            value.altitude = finite(view.drawnAltitude(line, *a));
        if (const auto r = climbRateAt(line.series, own))
            value.climbRate = finite(view.drawnRate(line, *r));
        values.sets.push_back(value);
    }
    return values;
}

QString cursorTimeText(const CursorValues& values)
{
    return QStringLiteral("Time ") + number(values.time, 1) + QStringLiteral(" s");
}

QString cursorAltitudeText(const CursorValues& values, const CursorValue& value)
{
    if (!value.altitude)
        return QStringLiteral("-");
    return number(*value.altitude, 1) + QLatin1Char(' ') + unitOf(values);
}

QString cursorClimbText(const CursorValues& values, const CursorValue& value)
{
    if (!value.climbRate)
        return QStringLiteral("-");
    const QString rate = number(*value.climbRate, 2);
    return (rate.startsWith(QLatin1Char('-')) ? rate : QLatin1Char('+') + rate) + QLatin1Char(' ') + unitOf(values)
           + QStringLiteral("/s");
}

} // namespace vimo
