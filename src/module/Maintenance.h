#pragma once

#include "module/ModuleSession.h"

#include <cstdint>
#include <optional>

namespace vimo {

// Caption and questions of the two confirmed maintenance commands (both boxes bear the same caption).
inline constexpr const char* kConfirmCaption = "Reset Config Defaults";
inline constexpr const char* kEraseQuestion = "This will erase all altitude data in the device.  Are you sure?";
inline constexpr const char* kResetDefaultsQuestion =
    "This will reset all configuration values in the device.  Are you sure?";

// "Erase Data": asks, then sends "x". True when the command was sent (the data set box is then emptied; the
// set count stays).
bool eraseData(ModuleSession& session);
// The same with `before` (when not empty) put in its own paragraph above the question, to say what the erase would
// lose.
bool eraseDataAfter(ModuleSession& session, const QString& before);

// "Reset Defaults": asks, sends "*" and reads the configuration again after 200 ms. True when sent.
bool resetDefaults(ModuleSession& session);

// The altitude a calibration text gives: the decimal number at its start (after blanks), saturated to 32 bits,
// then its low 16 bits. Nothing when the text does not begin with a decimal number.
std::optional<std::uint16_t> calibrationAltitude(const QString& text);

// "Calibrate": sends "$", then after 1500 ms "t" and the altitude (high byte, low byte, 50 ms after each), and reads
// the configuration again after 200 ms. A text that does not begin with a number sends nothing and says so.
// True when sent.
bool calibrate(ModuleSession& session, const QString& altitudeText);

// "Reset Module": sends "R" and reads the configuration again after 4000 ms, when the module has restarted.
bool resetModule(ModuleSession& session);

} // namespace vimo
