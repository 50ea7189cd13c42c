#include "cli/Cli.h"
#include "cli/ModuleCommandLine.h"
#include "cli/ModuleCommands.h"
#include "module/Maintenance.h"

#include <QTextStream>

namespace vimo::cli {

int calibrateCommand(const QStringList& arguments, QTextStream& out, QTextStream& err, const Timing& timing)
{
    ModuleCommandLine line("calibrate",
                           "Usage: vimo-cli calibrate --port DEV [--baud N] ALTITUDE\n"
                           "Calibrates the module to the actual current altitude from a known standard, a whole\n"
                           "number in the unit the module is set to, and reads the configuration again. A negative\n"
                           "altitude follows --, as in: vimo-cli calibrate --port DEV -- -10\n");
    if (const int code = line.parse(arguments, out, err); code >= 0)
        return code;
    const QStringList positional = line.parser.positionalArguments();
    if (positional.size() != 1 || !calibrationAltitude(positional.first()))
        return line.usageError(err, QStringLiteral("give the altitude as one whole number"));
    ModuleConnection module(out, err, timing);
    if (!module.open(line, false) || !calibrate(module.session, positional.first()))
        return kFailed;
    return module.exitCode();
}

} // namespace vimo::cli
