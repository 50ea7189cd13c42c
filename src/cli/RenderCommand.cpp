#include "cli/RenderCommand.h"

#include "cli/Cli.h"
#include "cli/DataFiles.h"
#include "data/AutoScale.h"
#include "data/CFormat.h"
#include "data/DataFile.h"
#include "data/Plot.h"
#include "plot/PlotExport.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QTextStream>
#include <cmath>
#include <limits>
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
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    parser.addOptions({output, width, height, mono, help});

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
    if (const auto problem = exportSizeProblem(settings.widthInches, settings.heightInches)) {
        err << kName << *problem << '\n';
        return kFailed;
    }
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
