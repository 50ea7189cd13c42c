#pragma once

#include "base/Timing.h"

#include <QStringList>

class QTextStream;

// The module and firmware commands of vimo-cli; each lives in a file of its own. `arguments` starts with the
// command's name; `timing` is that of their exchanges. Exit codes as Cli.h says.
namespace vimo::cli {

int portsCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
int infoCommand(const QStringList& arguments, QTextStream& out, QTextStream& err, const Timing& timing);
int configCommand(const QStringList& arguments, QTextStream& out, QTextStream& err, const Timing& timing);
int downloadCommand(const QStringList& arguments, QTextStream& out, QTextStream& err, const Timing& timing);
int eraseCommand(const QStringList& arguments, QTextStream& out, QTextStream& err, const Timing& timing);
int calibrateCommand(const QStringList& arguments, QTextStream& out, QTextStream& err, const Timing& timing);
int resetDefaultsCommand(const QStringList& arguments, QTextStream& out, QTextStream& err, const Timing& timing);
int resetModuleCommand(const QStringList& arguments, QTextStream& out, QTextStream& err, const Timing& timing);
int flashCommand(const QStringList& arguments, QTextStream& out, QTextStream& err, const Timing& timing);

} // namespace vimo::cli
