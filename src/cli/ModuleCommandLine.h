#pragma once

#include "cli/CliReporter.h"
#include "link/SerialLink.h"
#include "module/ModuleSession.h"

#include <QCommandLineParser>
#include <QStringList>
#include <functional>

class QTextStream;

namespace vimo::cli {

// The command line of a module command: --port DEV, --baud N and --help, plus the command's own options.
class ModuleCommandLine {
public:
    static constexpr qint32 kDefaultBaud = 115200;

    // `help` is the command's usage text.
    ModuleCommandLine(const char* command, const char* help);

    QCommandLineParser parser;
    QString device; // the device path to open (a port name is turned into its path)
    qint32 baud = kDefaultBaud;
    // How many words besides the options the command takes; any further word is a usage error.
    int maxPositionals = 0;

    // Parses. Returns -1 when the command should go on, else the exit code (help shown, or a usage error
    // reported). With `portRequired`, --port must be given.
    int parse(const QStringList& arguments, QTextStream& out, QTextStream& err, bool portRequired = true);

    // Reports a usage error with the help text; returns kUsage.
    int usageError(QTextStream& err, const QString& problem) const;

private:
    const char* m_command;
    const char* m_help;
    QCommandLineOption m_port;
    QCommandLineOption m_baud;
    QCommandLineOption m_helpOption;
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
