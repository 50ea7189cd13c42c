#include "data/AltitudeUnit.h"

#include <QRegularExpression>
#include <iterator>

namespace vimo {
namespace {

struct UnitFacts {
    double metres; // metres per unit
    const char* name;
    const char* symbol;
};

// In the order of AltitudeUnit. An unknown unit is never converted: it counts as one metre a unit.
constexpr UnitFacts kUnitFacts[] = {
    {1.0, "meters", "m"}, {0.3048, "feet", "ft"}, {0.9144, "yards", "yd"}, {1.0, "", ""}};

const UnitFacts& factsOf(AltitudeUnit unit)
{
    const auto index = std::size_t(unit);
    return kUnitFacts[index < std::size(kUnitFacts) ? index : std::size(kUnitFacts) - 1];
}

} // namespace

AltitudeUnit unitNamedBy(const QString& label)
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
        return AltitudeUnit::Unknown;
    if (isFeet)
        return AltitudeUnit::Feet;
    if (isYards)
        return AltitudeUnit::Yards;
    return AltitudeUnit::Meters;
}

UnitOfLabel unitFromLabel(const QString& label)
{
    return unitForAnalysis(unitNamedBy(label));
}

UnitOfLabel unitForAnalysis(AltitudeUnit unit)
{
    if (unit == AltitudeUnit::Unknown)
        return {};
    return {unit, false};
}

double metresPer(AltitudeUnit unit)
{
    return factsOf(unit).metres;
}

double unitFactor(AltitudeUnit from, AltitudeUnit to)
{
    if (from == to || from == AltitudeUnit::Unknown || to == AltitudeUnit::Unknown)
        return 1.0;
    return metresPer(from) / metresPer(to);
}

QString unitName(AltitudeUnit unit)
{
    return QString::fromLatin1(factsOf(unit).name);
}

QString unitSymbol(AltitudeUnit unit)
{
    return QString::fromLatin1(factsOf(unit).symbol);
}

QString unitLabel(AltitudeUnit unit)
{
    const QString name = unitName(unit);
    return name.isEmpty() ? QString() : QStringLiteral("Altitude (%1)").arg(name);
}

} // namespace vimo
