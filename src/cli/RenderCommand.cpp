#include "cli/RenderCommand.h"

#include "cli/Cli.h"
#include "cli/CommandLine.h"
#include "cli/PlotFiles.h"
#include "data/CFormat.h"
#include "data/Plot.h"
#include "plot/PlotExport.h"

#include <QGuiApplication>
#include <QTextStream>
#include <optional>
#include <string>

namespace vimo::cli {
namespace {

const char* const kName = "vimo-cli render: ";

QString help()
{
    return QStringLiteral(
        "Usage: vimo-cli render FILE.csv [FILE.csv ...] --out IMAGE [--width INCHES] [--height INCHES] [--mono]\n"
        "       [--unit m|ft]\n"
        "Loads data set files and plot files as Load does and draws the plot into a picture as Export does, at 100\n"
        "pixels per inch. The visible range is that of the last plot file; with data set files alone both axes are\n"
        "scaled to the data.\n"
        "\n"
        "Options:\n"
        "  --out IMAGE       the picture to write: .bmp, .jpg, .gif, .png or .pdf\n"
        "  --width INCHES    width in inches (default 7)\n"
        "  --height INCHES   height in inches (default 3.5)\n"
        "  --mono            black and white\n"
        "  --unit m|ft       the altitude axis in metres or feet (default: the unit of the first file)\n"
        "  -h, --help        show this help\n");
}

// A number of inches, the whole word: "7x" or "7,5" is no number.
bool parseInches(const QString& text, double& value)
{
    const std::string bytes = text.toStdString();
    cformat::Scanner in(bytes);
    return in.real(value) && in.onlyBlanksLeft();
}

// "--unit m|ft": the altitude axis in metres or feet, whatever the files were recorded in.
std::optional<AltitudeAxisChoice> axisChoiceOf(const QString& text)
{
    if (text == QLatin1String("m"))
        return AltitudeAxisChoice::Meters;
    if (text == QLatin1String("ft"))
        return AltitudeAxisChoice::Feet;
    return std::nullopt;
}

} // namespace

int renderCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    CommandLine line("render", help(), CommandLine::kDataFiles);
    const QCommandLineOption output(QStringLiteral("out"), QString(), QStringLiteral("IMAGE"));
    const QCommandLineOption width(QStringLiteral("width"), QString(), QStringLiteral("INCHES"));
    const QCommandLineOption height(QStringLiteral("height"), QString(), QStringLiteral("INCHES"));
    const QCommandLineOption mono(QStringLiteral("mono"));
    const QCommandLineOption unit(QStringLiteral("unit"), QString(), QStringLiteral("m|ft"));
    line.parser.addOptions({output, width, height, mono, unit});
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
    Plot plot;
    if (line.parser.isSet(unit)) {
        const std::optional<AltitudeAxisChoice> choice = axisChoiceOf(line.parser.value(unit));
        if (!choice)
            return line.usageError(err, QStringLiteral("--unit takes m or ft, not '%1'").arg(line.parser.value(unit)));
        plot.altitudeAxis = *choice;
    }
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        err << kName << "drawing needs a graphical application instance\n";
        return kFailed;
    }

    if (!loadPlotFiles("render", files, plot, err))
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
