#include "analysis/FlightText.h"

#include <algorithm>
#include <cmath>

namespace vimo {

QString durationText(double seconds)
{
    const double clamped = std::isfinite(seconds) ? std::clamp(seconds, 0.0, 1e12) : 0.0;
    const long long whole = std::llround(clamped);
    return QStringLiteral("%1:%2").arg(whole / 60).arg(whole % 60, 2, 10, QLatin1Char('0'));
}

} // namespace vimo
