#include "cli/ModuleCommandLine.h"
#include "cli/ModuleCommands.h"
#include "module/Maintenance.h"

namespace vimo::cli {

int eraseCommand(const QStringList& arguments, QTextStream& out, QTextStream& err, const Timing& timing)
{
    return runMaintenanceCommand(arguments, out, err, timing, "erase",
                                 "Usage: vimo-cli erase --port DEV [--baud N] --yes\n"
                                 "Erases every data set in the module (\"Erase Data\"). --yes answers the question\n"
                                 "\"This will erase all altitude data in the device.  Are you sure?\".\n",
                                 true, eraseData);
}

} // namespace vimo::cli
