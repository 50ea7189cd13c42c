#pragma once

#include <QString>

namespace vimo {

// The unit the altitudes of a data set are recorded in. Unknown for a data set whose source named none (a file
// block without a unit in its altitude label, a module whose unit code has no name, a data set nobody filled):
// its samples are never converted.
enum class AltitudeUnit { Meters, Feet, Yards, Unknown };

// The unit named by an altitude label such as "Altitude (feet)", "Altitude (Yards)" or "Altitude (meters)",
// case-insensitively, as a whole word ("ft", "yd", "m" and "metres" count too). Unknown when the label names none,
// or more than one.
AltitudeUnit unitNamedBy(const QString& label);

// The analysis' view of a unit: it works in metres, so a data set of unknown unit is taken as metres.
struct UnitOfLabel {
    AltitudeUnit unit = AltitudeUnit::Meters;
    bool assumed = true; // no unit was known: metres were taken
};

// The unit of an altitude label as the analysis takes it: metres, marked as assumed, when the label names none.
UnitOfLabel unitFromLabel(const QString& label);

// The same for a known or unknown unit.
UnitOfLabel unitForAnalysis(AltitudeUnit unit);

// Metres per unit: 1, 0.3048, 0.9144; 1 for Unknown.
double metresPer(AltitudeUnit unit);

// What altitudes in `from` are multiplied by to be in `to`: exactly 1 when the units are the same or either is
// unknown (nothing is converted then).
double unitFactor(AltitudeUnit from, AltitudeUnit to);

// The unit's name as the reports write it: "meters", "feet", "yards"; empty for Unknown.
QString unitName(AltitudeUnit unit);

// Short unit symbols for tables and marks: "m", "ft", "yd"; empty for Unknown.
QString unitSymbol(AltitudeUnit unit);

// The altitude label a data set in this unit is written with when it has no label of its own: "Altitude (feet)",
// "Altitude (yards)", "Altitude (meters)" (the labels a download gives); empty for Unknown.
QString unitLabel(AltitudeUnit unit);

} // namespace vimo
