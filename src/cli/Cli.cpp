#include "cli/Cli.h"

#include "cli/Commands.h"

#include "VimoVersion.h"

#include <QTextStream>

namespace vimo::cli {

namespace {

QString usage()
{
    return QStringLiteral(
        "Usage: vimo-cli COMMAND [OPTIONS]\n"
        "The headless companion of Vimo, the Altitude Data Recording and Monitoring System.\n"
        "\n"
        "Commands:\n"
        "  ports                                          list the serial ports\n"
        "  info           --port DEV [--baud N]           module identity and data sets\n"
        "  config         --port DEV [--baud N] [--set FIELD=VALUE ...]\n"
        "  download       --port DEV [--baud N] --set N|all --out DIR [--archive DIR | --no-archive]\n"
        "  erase          --port DEV --yes\n"
        "  calibrate      --port DEV [--baud N] ALTITUDE\n"
        "  reset-defaults --port DEV --yes\n"
        "  reset-module   --port DEV\n"
        "  flash          --port DEV [--baud N] [--blank] [--force] [--dry-run] FILE.hex\n"
        "  render         FILE.csv [FILE.csv ...] --out IMAGE [--width INCHES] [--height INCHES] [--mono]\n"
        "                 [--unit m|ft]\n"
        "  join           FILE.csv [FILE.csv ...] --out PLOT.csv\n"
        "  stats          FILE.csv [FILE.csv ...] [--json]\n"
        "  flights        FILE.csv [FILE.csv ...] [--json] [--window SECONDS] [--launch-end SECONDS]\n"
        "  logbook        [--json] [--flights] [--model NAME] [--archive DIR] | import DIR | rebuild\n"
        "                 | model NAME FILE...\n"
        "\n"
        "Run 'vimo-cli COMMAND --help' for the options of one command, 'vimo-cli --version' for the version.\n"
        "Exit status: 0 success, 1 the operation failed, 2 usage error.\n");
}

} // namespace

int run(const QStringList& arguments, QTextStream& out, QTextStream& err, const Timing& timing)
{
    if (arguments.isEmpty()) {
        err << usage();
        return kUsage;
    }
    const QString command = arguments.first();
    if (command == QLatin1String("--help") || command == QLatin1String("-h") || command == QLatin1String("help")) {
        out << usage();
        return kOk;
    }
    if (command == QLatin1String("--version")) {
        if (arguments.size() > 1) {
            err << "vimo-cli: --version takes no further word, not '" << arguments.at(1) << "'\n\n" << usage();
            return kUsage;
        }
        out << "vimo-cli " << VIMO_VERSION_TEXT << '\n';
        return kOk;
    }
    for (const Command& c : commands()) {
        if (command == QLatin1String(c.name))
            return c.run(arguments, out, err, timing);
    }
    err << "vimo-cli: unknown command '" << command << "'\n\n" << usage();
    return kUsage;
}

} // namespace vimo::cli
