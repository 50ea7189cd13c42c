#include "cli/Commands.h"

#include "cli/FlightsCommand.h"
#include "cli/JoinCommand.h"
#include "cli/LogbookCommand.h"
#include "cli/ModuleCommands.h"
#include "cli/RenderCommand.h"
#include "cli/StatsCommand.h"

namespace vimo::cli {

namespace {

// A command that does not talk to the module.
template <int (*command)(const QStringList&, QTextStream&, QTextStream&)>
int withoutModule(const QStringList& arguments, QTextStream& out, QTextStream& err, const Timing&)
{
    return command(arguments, out, err);
}

} // namespace

// Each command lives in a file of its own (StatsCommand.cpp, InfoCommand.cpp, ...) and is listed here, in the
// order of the usage text.
const std::vector<Command>& commands()
{
    static const std::vector<Command> list = {
        {"ports", withoutModule<portsCommand>},
        {"info", infoCommand},
        {"config", configCommand},
        {"download", downloadCommand},
        {"erase", eraseCommand},
        {"calibrate", calibrateCommand},
        {"reset-defaults", resetDefaultsCommand},
        {"reset-module", resetModuleCommand},
        {"flash", flashCommand},
        {"render", withoutModule<renderCommand>},
        {"join", withoutModule<joinCommand>},
        {"stats", withoutModule<statsCommand>},
        {"flights", withoutModule<flightsCommand>},
        {"logbook", withoutModule<logbookCommand>},
    };
    return list;
}

} // namespace vimo::cli
