#pragma once

#include <QString>

namespace vimo {

// The unit the altitudes of a data set are recorded in. The analysis works in metres and reports in this unit.
enum class AltitudeUnit { Meters, Feet, Yards };

struct UnitOfLabel {
    AltitudeUnit unit = AltitudeUnit::Meters;
    bool assumed = true; // the label named no unit: metres were taken
};

// The unit named by an altitude label such as "Altitude (feet)", "Altitude (Yards)" or "Altitude (meters)",
// case-insensitively, as a whole word ("ft", "yd", "m" and "metres" count too). A label that names none, or more
// than one, gives metres, marked as assumed.
UnitOfLabel unitFromLabel(const QString& label);

// Metres per unit: 1, 0.3048, 0.9144.
double metresPer(AltitudeUnit unit);

// The unit's name as the reports write it: "meters", "feet", "yards".
QString unitName(AltitudeUnit unit);

} // namespace vimo
