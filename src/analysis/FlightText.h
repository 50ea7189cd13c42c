#pragma once

#include "analysis/AltitudeUnit.h"

#include <QString>

namespace vimo {

// Short unit symbols for tables and marks: "m", "ft", "yd".
QString unitSymbol(AltitudeUnit unit);

// A duration as minutes and whole seconds, "m:ss" ("9:42", "75:03"); negative durations read as 0:00.
QString durationText(double seconds);

} // namespace vimo
