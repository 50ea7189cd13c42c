#include "logbook/LogbookTotals.h"

#include "analysis/FlightText.h"
#include "data/CFormat.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace vimo {
namespace {

// A long time as h:mm:ss, a short one as m:ss.
QString airTimeText(double seconds)
{
    if (!(seconds >= 3600))
        return durationText(seconds);
    const long long whole = std::llround(std::min(seconds, 1e12));
    return QStringLiteral("%1:%2:%3")
        .arg(whole / 3600)
        .arg(whole / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(whole % 60, 2, 10, QLatin1Char('0'));
}

QString height(double value, AltitudeUnit unit)
{
    const QString symbol = unitSymbol(unit);
    return QString::fromLatin1(cformat::fixed(value, 1)) + (symbol.isEmpty() ? QString() : QLatin1Char(' ') + symbol);
}

} // namespace

AltitudeUnit heightUnit(const std::vector<ShownFlight>& flights)
{
    if (flights.empty())
        return AltitudeUnit::Unknown;
    const AltitudeUnit first = flights.front().unit;
    const bool shared =
        std::all_of(flights.begin(), flights.end(), [first](const ShownFlight& f) { return f.unit == first; });
    return shared ? first : AltitudeUnit::Meters;
}

std::optional<double> startHeightIn(const ShownFlight& flight, AltitudeUnit unit)
{
    if (!flight.flight->startHeight)
        return std::nullopt;
    return *flight.flight->startHeight * unitFactor(flight.unit, unit);
}

LogbookTotals totalsOf(const std::vector<ShownFlight>& flights)
{
    LogbookTotals t;
    t.unit = heightUnit(flights);
    double sum = 0;
    int heights = 0;
    for (const ShownFlight& f : flights) {
        ++t.flights;
        t.airTime += f.flight->duration;
        t.longest = std::max(t.longest, f.flight->duration);
        const std::optional<double> h = startHeightIn(f, t.unit);
        if (!h)
            continue;
        t.bestStartHeight = std::max(t.bestStartHeight.value_or(*h), *h);
        t.worstStartHeight = std::min(t.worstStartHeight.value_or(*h), *h);
        sum += *h;
        ++heights;
        t.penalty += f.flight->penalty.value_or(0);
    }
    if (heights > 0)
        t.meanStartHeight = sum / heights;
    return t;
}

QString totalsText(const LogbookTotals& t)
{
    if (t.flights == 0)
        return QStringLiteral("No flights");
    QStringList parts;
    parts << (t.flights == 1 ? QStringLiteral("1 flight") : QStringLiteral("%1 flights").arg(t.flights))
          << QStringLiteral("air time %1").arg(airTimeText(t.airTime))
          << QStringLiteral("longest %1").arg(durationText(t.longest));
    if (t.bestStartHeight && t.meanStartHeight && t.worstStartHeight) {
        parts << QStringLiteral("start height best %1").arg(height(*t.bestStartHeight, t.unit))
              << QStringLiteral("mean %1").arg(height(*t.meanStartHeight, t.unit))
              << QStringLiteral("worst %1").arg(height(*t.worstStartHeight, t.unit))
              << QStringLiteral("penalty %1").arg(QString::fromLatin1(cformat::general(t.penalty, 15)));
    }
    return parts.join(QStringLiteral(", "));
}

} // namespace vimo
