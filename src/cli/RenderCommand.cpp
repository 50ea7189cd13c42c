#include "cli/RenderCommand.h"

#include "cli/Cli.h"
#include "cli/PlotFiles.h"
#include "data/CFormat.h"
#include "data/Plot.h"
#include "plot/PlotExport.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QTextStream>
#include <optional>
#include <string>

namespace vimo::cli {
namespace {

const char* const kName = "vimo-cli render: ";

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
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the plot of data set and plot files into a picture."));
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("Data set and plot files (CSV)."),
                                 QStringLiteral("FILE.csv [FILE.csv ...]"));
    const QCommandLineOption output(QStringLiteral("out"),
                                    QStringLiteral("The picture to write: .bmp, .jpg, .gif, .png or .pdf."),
                                    QStringLiteral("IMAGE"));
    const QCommandLineOption width(QStringLiteral("width"), QStringLiteral("Width in inches (default 7)."),
                                   QStringLiteral("INCHES"));
    const QCommandLineOption height(QStringLiteral("height"), QStringLiteral("Height in inches (default 3.5)."),
                                    QStringLiteral("INCHES"));
    const QCommandLineOption mono(QStringLiteral("mono"), QStringLiteral("Black and white."));
    const QCommandLineOption unit(QStringLiteral("unit"),
                                  QStringLiteral("The altitude axis in m or ft (default: the unit of the first file)."),
                                  QStringLiteral("m|ft"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    parser.addOptions({output, width, height, mono, unit, help});

    if (!parser.parse(arguments)) {
        err << kName << parser.errorText() << "\n\n" << parser.helpText();
        return kUsage;
    }
    if (parser.isSet(help)) {
        out << parser.helpText();
        return kOk;
    }
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty() || !parser.isSet(output)) {
        err << kName << (files.isEmpty() ? "no data file given" : "no picture given (--out IMAGE)") << "\n\n"
            << parser.helpText();
        return kUsage;
    }
    const QString picture = parser.value(output);
    const auto format = exportFormatOf(picture);
    if (!format) {
        err << kName << "unknown picture type '" << picture << "': use .bmp, .jpg, .gif, .png or .pdf\n";
        return kUsage;
    }
    PrintSettings settings;
    settings.inColor = !parser.isSet(mono);
    for (const auto& [option, field] : {std::pair{&width, &settings.widthInches}, {&height, &settings.heightInches}}) {
        if (parser.isSet(*option) && !parseInches(parser.value(*option), *field)) {
            err << kName << "--" << option->names().first() << " needs a number of inches, not '"
                << parser.value(*option) << "'\n";
            return kUsage;
        }
    }
    Plot plot;
    if (parser.isSet(unit)) {
        const std::optional<AltitudeAxisChoice> choice = axisChoiceOf(parser.value(unit));
        if (!choice) {
            err << kName << "--unit takes m or ft, not '" << parser.value(unit) << "'\n";
            return kUsage;
        }
        plot.altitudeAxis = *choice;
    }
    if (const auto problem = exportSizeProblem(settings.widthInches, settings.heightInches)) {
        err << kName << *problem << '\n';
        return kFailed;
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
