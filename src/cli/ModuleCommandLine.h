#pragma once

#include "cli/CliReporter.h"
#include "cli/CommandLine.h"
#include "link/SerialLink.h"
#include "module/ModuleSession.h"

#include <QStringList>
#include <functional>

class QTextStream;

namespace vimo::cli {

// The command line of a module command: --port DEV and --baud N besides the rules of every command line.
class ModuleCommandLine : public CommandLine {
public:
    static constexpr qint32 kDefaultBaud = 115200;

    // `help` is the command's usage text. A module command takes no words unless it says so (maxWords).
    ModuleCommandLine(const char* command, const char* help);

    QString device; // the device path to open (a port name is turned into its path)
    qint32 baud = kDefaultBaud;

    // Parses. Returns -1 when the command should go on, else the exit code (help shown, or a usage error
    // reported). With `portRequired`, --port must be given.
    int parse(const QStringList& arguments, QTextStream& out, QTextStream& err, bool portRequired = true);

private:
    QCommandLineOption m_port;
    QCommandLineOption m_baud;
};

// A module session for one command: the link, the reporter and the session over them.
class ModuleConnection {
public:
    // Memo lines go to `memo`, failures to `err`; the exchanges run with `timing`.
    ModuleConnection(QTextStream& memo, QTextStream& err, const Timing& timing)
        : reporter(memo, err), session(link, reporter, sleepPause, timing)
    {
        reporter.setProgressLine(isTerminal(err));
    }

    // Opens the port (and reads the configuration when asked), as "Connect" does.
    bool open(const ModuleCommandLine& line, bool readConfig);

    // kFailed when anything failed (a warning was shown, the port was lost), else kOk.
    int exitCode() const;

    CliReporter reporter;
    SerialLink link;
    ModuleSession session;
};

// Runs a command that sends one maintenance command to the module: parses the command line (where `needsYes`,
// --yes must be given: it answers the command's question), opens the port without reading the configuration and
// runs `action`. Returns the exit code.
int runMaintenanceCommand(const QStringList& arguments, QTextStream& out, QTextStream& err, const Timing& timing,
                          const char* command, const char* help, bool needsYes,
                          const std::function<bool(ModuleSession&)>& action);

} // namespace vimo::cli
