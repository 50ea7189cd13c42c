#pragma once

#include <QStringList>

class QTextStream;

// The module and firmware commands of vimo-cli; each lives in a file of its own. `arguments` starts with the
// command's name. Exit codes as Cli.h says.
namespace vimo::cli {

int portsCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
int infoCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
int configCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
int downloadCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
int eraseCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
int calibrateCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
int resetDefaultsCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
int resetModuleCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
int flashCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace vimo::cli
