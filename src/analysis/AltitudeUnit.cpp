#include "analysis/AltitudeUnit.h"

#include <QRegularExpression>

namespace vimo {

UnitOfLabel unitFromLabel(const QString& label)
{
    static const QRegularExpression feet(QStringLiteral("\\b(feet|foot|ft)\\b"),
                                         QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression yards(QStringLiteral("\\b(yards?|yds?)\\b"),
                                          QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression metres(QStringLiteral("\\b(meters?|metres?|m)\\b"),
                                           QRegularExpression::CaseInsensitiveOption);
    const bool isFeet = feet.match(label).hasMatch();
    const bool isYards = yards.match(label).hasMatch();
    const bool isMetres = metres.match(label).hasMatch();
    if (int(isFeet) + int(isYards) + int(isMetres) != 1)
        return {};
    if (isFeet)
        return {AltitudeUnit::Feet, false};
    if (isYards)
        return {AltitudeUnit::Yards, false};
    return {AltitudeUnit::Meters, false};
}

double metresPer(AltitudeUnit unit)
{
    switch (unit) {
    case AltitudeUnit::Feet:
        return 0.3048;
    case AltitudeUnit::Yards:
        return 0.9144;
    case AltitudeUnit::Meters:
        break;
    }
    return 1.0;
}

QString unitName(AltitudeUnit unit)
{
    switch (unit) {
    case AltitudeUnit::Feet:
        return QStringLiteral("feet");
    case AltitudeUnit::Yards:
        return QStringLiteral("yards");
    case AltitudeUnit::Meters:
        break;
    }
    return QStringLiteral("meters");
}

} // namespace vimo
