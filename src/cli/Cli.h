#pragma once

#include <QStringList>

class QTextStream;

namespace vimo::cli {

// Exit codes of vimo-cli.
enum Exit { kOk = 0, kFailed = 1, kUsage = 2 };

// Runs one vimo-cli command line (arguments without the program name); output goes to `out`, reasons to `err`.
int run(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace vimo::cli
