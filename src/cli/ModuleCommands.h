#pragma once

#include <QStringList>

class QTextStream;

// The module and firmware commands of vimo-cli; each lives in a file of its own. `arguments` starts with the
// command's name. Exit codes as Cli.h says.
namespace vimo::cli {

int runPorts(const QStringList& arguments, QTextStream& out, QTextStream& err);
int runInfo(const QStringList& arguments, QTextStream& out, QTextStream& err);
int runConfig(const QStringList& arguments, QTextStream& out, QTextStream& err);
int runDownload(const QStringList& arguments, QTextStream& out, QTextStream& err);
int runErase(const QStringList& arguments, QTextStream& out, QTextStream& err);
int runCalibrate(const QStringList& arguments, QTextStream& out, QTextStream& err);
int runResetDefaults(const QStringList& arguments, QTextStream& out, QTextStream& err);
int runResetModule(const QStringList& arguments, QTextStream& out, QTextStream& err);
int runFlash(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace vimo::cli
