#include "cli/JoinCommand.h"

#include "cli/Cli.h"
#include "cli/CommandLine.h"
#include "cli/PlotFiles.h"
#include "data/DataFile.h"
#include "data/Plot.h"

#include <QTextStream>

namespace vimo::cli {
namespace {

const char* const kName = "vimo-cli join: ";

QString help()
{
    return QStringLiteral(
        "Usage: vimo-cli join FILE.csv [FILE.csv ...] --out PLOT.csv\n"
        "Loads data set files and plot files as Load does and writes them as one plot file, as Save with \"Plot and\n"
        "All Data Sets\" does. Every data set keeps the unit it was recorded in. The visible range is that of the\n"
        "last plot file given; with data set files alone both axes are scaled to the data.\n"
        "\n"
        "Options:\n"
        "  --out PLOT.csv   the plot file to write\n"
        "  -h, --help       show this help\n");
}

} // namespace

int joinCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    CommandLine line("join", help(), CommandLine::kDataFiles);
    const QCommandLineOption output(QStringLiteral("out"), QString(), QStringLiteral("PLOT.csv"));
    line.parser.addOption(output);
    if (const int code = line.parse(arguments, out, err); code >= 0)
        return code;
    const QStringList files = line.words();
    if (!line.parser.isSet(output))
        return line.usageError(err, QStringLiteral("no plot file given (--out PLOT.csv)"));

    Plot plot; // no start-up data set: only what the files hold
    if (!loadPlotFiles("join", files, plot, err))
        return kFailed;
    const QString path = line.parser.value(output);
    QString reason;
    if (datafile::savePlotFile(path, plot, &reason) != SaveStatus::Saved) {
        err << kName << "cannot save " << path << ": " << reason << '\n';
        return kFailed;
    }
    out << "Saved " << path << ": " << plot.signals.size() << " data sets\n";
    return kOk;
}

} // namespace vimo::cli
