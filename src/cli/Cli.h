#pragma once

#include "base/Timing.h"

#include <QStringList>

class QTextStream;

namespace vimo::cli {

// Exit codes of vimo-cli.
enum Exit { kOk = 0, kFailed = 1, kUsage = 2 };

// Runs one vimo-cli command line (arguments without the program name); output goes to `out`, reasons to `err`.
// The module commands run with `timing` (tests hand in a short one).
int run(const QStringList& arguments, QTextStream& out, QTextStream& err, const Timing& timing = {});

} // namespace vimo::cli
