#pragma once

#include <QStringList>
#include <vector>

class QTextStream;

namespace vimo::cli {

// One vimo-cli command. `arguments` starts with the command's name (as QCommandLineParser expects a program name).
struct Command {
    const char* name;
    int (*run)(const QStringList& arguments, QTextStream& out, QTextStream& err);
};

// Every command, in the order of the usage text.
const std::vector<Command>& commands();

} // namespace vimo::cli
