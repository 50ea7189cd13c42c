#include "cli/ModuleCommandLine.h"
#include "cli/ModuleCommands.h"
#include "module/Maintenance.h"

namespace vimo::cli {

int resetDefaultsCommand(const QStringList& arguments, QTextStream& out, QTextStream& err, const Timing& timing)
{
    return runMaintenanceCommand(arguments, out, err, timing, "reset-defaults",
                                 "Usage: vimo-cli reset-defaults --port DEV [--baud N] --yes\n"
                                 "Restores the module's configuration defaults (\"Reset Defaults\") and reads the\n"
                                 "configuration again. --yes answers the question \"This will reset all\n"
                                 "configuration values in the device.  Are you sure?\".\n",
                                 true, resetDefaults);
}

} // namespace vimo::cli
