#include "cli/Commands.h"

#include "cli/RenderCommand.h"
#include "cli/StatsCommand.h"

namespace vimo::cli {

// Each command lives in a file of its own (StatsCommand.cpp, ...) and is listed here.
const std::vector<Command>& commands()
{
    static const std::vector<Command> list = {
        {"render", renderCommand},
        {"stats", statsCommand},
    };
    return list;
}

} // namespace vimo::cli
