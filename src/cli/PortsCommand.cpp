#include "cli/Cli.h"
#include "cli/ModuleCommands.h"
#include "link/PortEntry.h"
#include "link/PortNames.h"

#include <QTextStream>

namespace vimo::cli {

int portsCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    static const char* const help = "Usage: vimo-cli ports\n"
                                    "Lists the serial ports of this machine: name, description and bus, as the port\n"
                                    "box shows them. A name serves as DEV for the module commands.\n";
    if (arguments.size() > 1) {
        if (arguments.at(1) == QLatin1String("--help") || arguments.at(1) == QLatin1String("-h")) {
            out << help;
            return kOk;
        }
        err << "vimo-cli ports: unexpected argument " << arguments.at(1) << "\n\n" << help;
        return kUsage;
    }
    PortNames names;
    enumerateSerialPorts([&](const PortEntry& entry) {
        if (names.add(entry.portName))
            out << portListText(entry) << '\n';
        return true;
    });
    return kOk;
}

} // namespace vimo::cli
