#pragma once

#include "data/AltitudeUnit.h" // the unit texts (unitSymbol, unitName) that go with these

#include <QString>

namespace vimo {

// A duration as minutes and whole seconds, "m:ss" ("9:42", "75:03"); negative durations read as 0:00.
QString durationText(double seconds);

} // namespace vimo
