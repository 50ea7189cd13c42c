#include "cli/Cli.h"
#include "cli/ModuleCommandLine.h"
#include "cli/ModuleCommands.h"
#include "module/Maintenance.h"

#include <QTextStream>

namespace vimo::cli {
namespace {

// The module takes the altitude as a 16-bit signed number.
constexpr int kLowestAltitude = -32768;
constexpr int kHighestAltitude = 32767;

} // namespace

int calibrateCommand(const QStringList& arguments, QTextStream& out, QTextStream& err, const Timing& timing)
{
    ModuleCommandLine line("calibrate",
                           "Usage: vimo-cli calibrate --port DEV [--baud N] ALTITUDE\n"
                           "Calibrates the module to the actual current altitude from a known standard, a whole\n"
                           "number in the unit the module is set to, and reads the configuration again. A negative\n"
                           "altitude follows --, as in: vimo-cli calibrate --port DEV -- -10\n");
    line.minWords = 1;
    line.maxWords = 1;
    line.wordKind = QStringLiteral("altitude");
    if (const int code = line.parse(arguments, out, err); code >= 0)
        return code;
    const QStringList positional = line.words();
    bool whole = false;
    const int altitude = positional.first().toInt(&whole);
    if (!whole || altitude < kLowestAltitude || altitude > kHighestAltitude)
        return line.usageError(err, QStringLiteral("give the altitude as one whole number from %1 to %2")
                                        .arg(kLowestAltitude)
                                        .arg(kHighestAltitude));
    ModuleConnection module(out, err, timing);
    if (!module.open(line, false) || !calibrate(module.session, positional.first()))
        return kFailed;
    return module.exitCode();
}

} // namespace vimo::cli
