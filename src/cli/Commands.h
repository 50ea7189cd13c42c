#pragma once

#include "base/Timing.h"

#include <QStringList>
#include <vector>

class QTextStream;

namespace vimo::cli {

// One vimo-cli command. `arguments` starts with the command's name (as QCommandLineParser expects a program name);
// the module commands run their exchanges with `timing`.
struct Command {
    const char* name;
    int (*run)(const QStringList& arguments, QTextStream& out, QTextStream& err, const Timing& timing);
};

// Every command, in the order of the usage text.
const std::vector<Command>& commands();

} // namespace vimo::cli
