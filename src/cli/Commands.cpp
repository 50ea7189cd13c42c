#include "cli/Commands.h"

#include "cli/FlightsCommand.h"
#include "cli/LogbookCommand.h"
#include "cli/ModuleCommands.h"
#include "cli/RenderCommand.h"
#include "cli/StatsCommand.h"

namespace vimo::cli {

// Each command lives in a file of its own (StatsCommand.cpp, InfoCommand.cpp, ...) and is listed here, in the
// order of the usage text.
const std::vector<Command>& commands()
{
    static const std::vector<Command> list = {
        {"ports", portsCommand},
        {"info", infoCommand},
        {"config", configCommand},
        {"download", downloadCommand},
        {"erase", eraseCommand},
        {"calibrate", calibrateCommand},
        {"reset-defaults", resetDefaultsCommand},
        {"reset-module", resetModuleCommand},
        {"flash", flashCommand},
        {"render", renderCommand},
        {"stats", statsCommand},
        {"flights", flightsCommand},
        {"logbook", logbookCommand},
    };
    return list;
}

} // namespace vimo::cli
