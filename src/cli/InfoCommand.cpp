#include "cli/Cli.h"
#include "cli/ModuleCommandLine.h"
#include "cli/ModuleCommands.h"
#include "module/DownloadInfo.h"

#include <QTextStream>

namespace vimo::cli {

int infoCommand(const QStringList& arguments, QTextStream& out, QTextStream& err, const Timing& timing)
{
    ModuleCommandLine line("info", "Usage: vimo-cli info --port DEV [--baud N]\n"
                                   "Reads the module's identity and the number of its data sets, as \"Download Info\"\n"
                                   "does, and prints the eight information lines.\n");
    if (const int code = line.parse(arguments, out, err); code >= 0)
        return code;
    ModuleConnection module(out, err, timing);
    if (!module.open(line, false))
        return kFailed;
    const auto info = downloadInfo(module.session, false);
    if (info && !info->complete) {
        err << "vimo-cli info: the module did not send its whole identity\n";
        return kFailed;
    }
    return module.exitCode();
}

} // namespace vimo::cli
