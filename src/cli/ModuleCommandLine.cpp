#include "cli/ModuleCommandLine.h"

#include "cli/Cli.h"
#include "link/PortNames.h"

#include <QTextStream>
#include <array>

namespace vimo::cli {
namespace {

constexpr std::array<qint32, 6> kBauds = {2400, 4800, 9600, 19200, 38400, 115200};

} // namespace

ModuleCommandLine::ModuleCommandLine(const char* command, const char* help)
    : CommandLine(command, QString::fromUtf8(help)),
      m_port(QStringLiteral("port"), QStringLiteral("The module's port."), QStringLiteral("DEV")),
      m_baud(QStringLiteral("baud"), QStringLiteral("The line speed."), QStringLiteral("N"))
{
    parser.addOption(m_port);
    parser.addOption(m_baud);
}

int ModuleCommandLine::parse(const QStringList& arguments, QTextStream& out, QTextStream& err, bool portRequired)
{
    if (const int code = CommandLine::parse(arguments, out, err); code >= 0)
        return code;
    if (parser.isSet(m_port))
        device = devicePath(parser.value(m_port));
    else if (portRequired)
        return usageError(err, QStringLiteral("--port is missing"));
    if (parser.isSet(m_baud)) {
        bool ok = false;
        baud = parser.value(m_baud).toInt(&ok);
        if (!ok || std::find(kBauds.begin(), kBauds.end(), baud) == kBauds.end())
            return usageError(err, QStringLiteral("--baud must be one of 2400 4800 9600 19200 38400 115200"));
    }
    return -1;
}

bool ModuleConnection::open(const ModuleCommandLine& line, bool readConfig)
{
    return connectModule(session, line.device, line.baud, readConfig);
}

int ModuleConnection::exitCode() const
{
    return reporter.failed() || link.portLost() ? kFailed : kOk;
}

int runMaintenanceCommand(const QStringList& arguments, QTextStream& out, QTextStream& err, const Timing& timing,
                          const char* command, const char* help, bool needsYes,
                          const std::function<bool(ModuleSession&)>& action)
{
    ModuleCommandLine line(command, help);
    const QCommandLineOption yes(QStringLiteral("yes"), QStringLiteral("Go on without asking."));
    if (needsYes)
        line.parser.addOption(yes);
    if (const int code = line.parse(arguments, out, err); code >= 0)
        return code;
    if (needsYes && !line.parser.isSet(yes))
        return line.usageError(err, QStringLiteral("this command needs --yes"));
    ModuleConnection module(out, err, timing);
    module.reporter.setAnswer(true);
    if (!module.open(line, false) || !action(module.session))
        return kFailed;
    return module.exitCode();
}

} // namespace vimo::cli
