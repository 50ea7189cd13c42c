#include "cli/Commands.h"

namespace vimo::cli {

// Each command lives in a file of its own (StatsCommand.cpp, ...) and is listed here.
const std::vector<Command>& commands()
{
    static const std::vector<Command> list = {};
    return list;
}

} // namespace vimo::cli
