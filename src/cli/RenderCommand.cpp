#include "cli/RenderCommand.h"

#include "cli/Cli.h"
#include "cli/CommandLine.h"
#include "cli/DataFiles.h"
#include "data/AutoScale.h"
#include "data/CFormat.h"
#include "data/DataFile.h"
#include "data/Plot.h"
#include "plot/PlotExport.h"

#include <QGuiApplication>
#include <QTextStream>
#include <cmath>
#include <limits>
#include <string>

namespace vimo::cli {
namespace {

const char* const kName = "vimo-cli render: ";

QString help()
{
    return QStringLiteral(
        "Usage: vimo-cli render FILE.csv [FILE.csv ...] --out IMAGE [--width INCHES] [--height INCHES] [--mono]\n"
        "Loads data set files and plot files as Load does and draws the plot into a picture as Export does, at 100\n"
        "pixels per inch. The visible range is that of the last plot file; with data set files alone both axes are\n"
        "scaled to the data.\n"
        "\n"
        "Options:\n"
        "  --out IMAGE       the picture to write: .bmp, .jpg, .gif, .png or .pdf\n"
        "  --width INCHES    width in inches (default 7)\n"
        "  --height INCHES   height in inches (default 3.5)\n"
        "  --mono            black and white\n"
        "  -h, --help        show this help\n");
}

// A number of inches, the whole word: "7x" or "7,5" is no number.
bool parseInches(const QString& text, double& value)
{
    const std::string bytes = text.toStdString();
    cformat::Scanner in(bytes);
    return in.real(value) && in.onlyBlanksLeft();
}

// Loads the files in order. A plot file sets the visible range; an axis that no file gave a range (data set files
// alone) is scaled automatically, as after a download, so that the flights fill the picture.
bool loadFiles(const QStringList& files, Plot& plot, QTextStream& err)
{
    const double unset = std::numeric_limits<double>::quiet_NaN();
    plot.setRange({unset, unset, unset, unset});
    if (!loadDataFilesReporting("render", files, plot, err))
        return false;
    const PlotRange defaults;
    if (std::isnan(plot.xMin) || std::isnan(plot.xMax)) {
        autoScaleTime(plot);
        if (std::isnan(plot.xMin) || std::isnan(plot.xMax)) { // no sample anywhere
            plot.xMin = defaults.xMin;
            plot.xMax = defaults.xMax;
        }
    }
    if (std::isnan(plot.yMin) || std::isnan(plot.yMax)) {
        autoScaleAltitude(plot);
        if (std::isnan(plot.yMin) || std::isnan(plot.yMax)) {
            plot.yMin = defaults.yMin;
            plot.yMax = defaults.yMax;
        }
    }
    return true;
}

} // namespace

int renderCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    CommandLine line("render", help(), CommandLine::kDataFiles);
    const QCommandLineOption output(QStringLiteral("out"), QString(), QStringLiteral("IMAGE"));
    const QCommandLineOption width(QStringLiteral("width"), QString(), QStringLiteral("INCHES"));
    const QCommandLineOption height(QStringLiteral("height"), QString(), QStringLiteral("INCHES"));
    const QCommandLineOption mono(QStringLiteral("mono"));
    line.parser.addOptions({output, width, height, mono});
    if (const int code = line.parse(arguments, out, err); code >= 0)
        return code;
    const QStringList files = line.words();
    if (!line.parser.isSet(output))
        return line.usageError(err, QStringLiteral("no picture given (--out IMAGE)"));
    const QString picture = line.parser.value(output);
    const auto format = exportFormatOf(picture);
    if (!format)
        return line.usageError(
            err, QStringLiteral("unknown picture type '%1': use .bmp, .jpg, .gif, .png or .pdf").arg(picture));
    PrintSettings settings;
    settings.inColor = !line.parser.isSet(mono);
    for (const auto& [option, field] : {std::pair{&width, &settings.widthInches}, {&height, &settings.heightInches}}) {
        if (line.parser.isSet(*option) && !parseInches(line.parser.value(*option), *field))
            return line.usageError(err, QStringLiteral("--%1 needs a number of inches, not '%2'")
                                            .arg(option->names().first(), line.parser.value(*option)));
    }
    if (const auto problem = exportSizeProblem(settings.widthInches, settings.heightInches))
        return line.usageError(err, *problem);
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        err << kName << "drawing needs a graphical application instance\n";
        return kFailed;
    }

    Plot plot;
    if (!loadFiles(files, plot, err))
        return kFailed;
    const ExportResult result = exportPlot(plot, settings, picture, *format);
    if (!result.ok) {
        err << kName << result.message << '\n';
        return kFailed;
    }
    const QSize size = exportPixelSize(settings.widthInches, settings.heightInches);
    out << "Wrote " << picture << ": " << size.width() << " x " << size.height() << " pixels at "
        << kExportPixelsPerInch << " pixels per inch\n";
    return kOk;
}

} // namespace vimo::cli
