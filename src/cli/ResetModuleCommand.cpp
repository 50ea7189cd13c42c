#include "cli/ModuleCommandLine.h"
#include "cli/ModuleCommands.h"
#include "module/Maintenance.h"

namespace vimo::cli {

int resetModuleCommand(const QStringList& arguments, QTextStream& out, QTextStream& err, const Timing& timing)
{
    return runMaintenanceCommand(arguments, out, err, timing, "reset-module",
                                 "Usage: vimo-cli reset-module --port DEV [--baud N]\n"
                                 "Restarts the module (\"Reset Module\") and reads its configuration once it is\n"
                                 "back, four seconds later.\n",
                                 false, resetModule);
}

} // namespace vimo::cli
