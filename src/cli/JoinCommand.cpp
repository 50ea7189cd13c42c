#include "cli/JoinCommand.h"

#include "cli/Cli.h"
#include "cli/PlotFiles.h"
#include "data/DataFile.h"
#include "data/Plot.h"

#include <QCommandLineParser>
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
    QCommandLineParser parser;
    const QCommandLineOption output(QStringLiteral("out"), QString(), QStringLiteral("PLOT.csv"));
    const QCommandLineOption helpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOptions({output, helpOption});
    if (!parser.parse(arguments)) {
        err << kName << parser.errorText() << "\n\n" << help();
        return kUsage;
    }
    if (parser.isSet(helpOption)) {
        out << help();
        return kOk;
    }
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty() || !parser.isSet(output)) {
        err << kName << (files.isEmpty() ? "no data file given" : "no plot file given (--out PLOT.csv)") << "\n\n"
            << help();
        return kUsage;
    }

    Plot plot; // no start-up data set: only what the files hold
    if (!loadPlotFiles("join", files, plot, err))
        return kFailed;
    const QString path = parser.value(output);
    QString reason;
    if (datafile::savePlotFile(path, plot, &reason) != SaveStatus::Saved) {
        err << kName << "cannot save " << path << ": " << reason << '\n';
        return kFailed;
    }
    out << "Saved " << path << ": " << plot.signals.size() << " data sets\n";
    return kOk;
}

} // namespace vimo::cli
