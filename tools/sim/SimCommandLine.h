#pragma once

#include "SimTypes.h"

#include <QStringList>

namespace vimo::sim {

// Reads vimo-sim's command line (with the program name first). Returns false with the reason in `error` on a usage
// error; sets `helpText` and returns true with `showHelp` when --help was asked for.
bool parseSimArguments(const QStringList& arguments, SimOptions& options, QString* error, bool* showHelp = nullptr,
                       QString* helpText = nullptr);

} // namespace vimo::sim
