#include "plot/PlotExport.h"

#include "data/CFormat.h"
#include "data/SafeSave.h"
#include "imaging/BmpWriter.h"
#include "imaging/GifWriter.h"
#include "imaging/JpegWriter.h"
#include "plot/PlotRenderer.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>

namespace vimo {
namespace {

constexpr int kPdfDotsPerInch = 1200;

QString inches(double v)
{
    return QString::fromLatin1(cformat::general(v, 6));
}

// Width and height of a page that export renders: the stored size, never offset.
PrintSettings exportPage(const PrintSettings& settings)
{
    PrintSettings page = settings;
    page.leftInches = 0;
    page.topInches = 0;
    return page;
}

QString unableToWrite(const QString& fileName, const QString& reason)
{
    return QStringLiteral("Unable to write %1: %2").arg(QDir::toNativeSeparators(fileName), reason);
}

bool writeBitmap(const QImage& image, QIODevice& out, ExportFormat format, QString& error)
{
    switch (format) {
    case ExportFormat::Bmp:
        return imaging::writeBmp(image, out, error);
    case ExportFormat::Jpeg:
        return imaging::writeJpeg(image, out, kJpegQuality, error);
    case ExportFormat::Gif:
        return imaging::writeGif(image, out, error);
    case ExportFormat::Png: {
        QImageWriter writer(&out, "png");
        if (writer.write(image))
            return true;
        error = writer.errorString();
        return false;
    }
    case ExportFormat::Pdf:
        break;
    }
    error = QStringLiteral("not a bitmap format");
    return false;
}

ExportResult exportBitmap(const Plot& plot, const PrintSettings& page, const QString& fileName, ExportFormat format,
                          const RenderOptions& options)
{
    ExportResult result;
    const QImage image = renderExportBitmap(plot, page, &result.layout, options);
    if (image.isNull()) {
        result.message = outOfMemoryText(page.widthInches, page.heightInches);
        return result;
    }
    QString reason;
    const auto write = [&](QIODevice& out, QString& error) { return writeBitmap(image, out, format, error); };
    if (saveWith(fileName, write, &reason) != SaveStatus::Saved) {
        result.message = unableToWrite(fileName, reason);
        return result;
    }
    result.ok = true;
    return result;
}

// A PDF page of the plot's size, the plot drawn as vectors at 1200 dots per inch (the resolution a
// high-resolution printer reports). The page is written into memory first; its bytes are then saved like every
// other file, so the target gets the same checks, the same atomic replacement and the same permissions as the
// other formats.
ExportResult exportPdf(const Plot& plot, const PrintSettings& page, const QString& fileName,
                       const RenderOptions& options)
{
    ExportResult result;
    QByteArray bytes;
    bool drawn = false;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfDotsPerInch);
        writer.setPageSize(
            QPageSize(QSizeF(page.widthInches, page.heightInches), QPageSize::Inch, QString(), QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter;
        if (painter.begin(&writer)) {
            result.layout = renderPlot(painter, writer.logicalDpiX(), writer.logicalDpiY(), plot, page, options);
            drawn = painter.end();
        }
    }
    // A page that does not end as every PDF file ends was cut short.
    if (!drawn || !bytes.trimmed().endsWith("%%EOF")) {
        result.message = unableToWrite(fileName, QStringLiteral("the PDF page could not be produced"));
        return result;
    }
    QString reason;
    if (saveBytes(fileName, bytes, &reason) != SaveStatus::Saved) {
        result.message = unableToWrite(fileName, reason);
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace

std::optional<ExportFormat> exportFormatOf(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("bmp"))
        return ExportFormat::Bmp;
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return ExportFormat::Jpeg;
    if (suffix == QLatin1String("gif"))
        return ExportFormat::Gif;
    if (suffix == QLatin1String("png"))
        return ExportFormat::Png;
    if (suffix == QLatin1String("pdf"))
        return ExportFormat::Pdf;
    return std::nullopt;
}

QSize exportPixelSize(double widthInches, double heightInches)
{
    // Saturated, so that absurd sizes stay comparable with the limits instead of wrapping.
    const auto pixels = [](double inches) {
        const double v = std::trunc(kExportPixelsPerInch * inches);
        return std::isnan(v) ? 0 : int(std::clamp(v, -1.0, double(kExportLargestSide) + 1));
    };
    return QSize(pixels(widthInches), pixels(heightInches));
}

namespace {

// The size limits of an exported picture, which a print keeps as well; `action` is "exported" or "printed".
std::optional<QString> sizeProblem(double widthInches, double heightInches, const char* action)
{
    const QSize size = exportPixelSize(widthInches, heightInches);
    if (size.width() < 1 || size.height() < 1)
        return QStringLiteral("The plot cannot be %1 at %2 x %3 inches: width and height must each be at "
                              "least 0.01 inches.")
            .arg(QLatin1String(action), inches(widthInches), inches(heightInches));
    if (size.width() > kExportLargestSide || size.height() > kExportLargestSide)
        return QStringLiteral("The plot cannot be %1 at %2 x %3 inches: a picture may be at most %4 pixels "
                              "(%5 inches) on either side.")
            .arg(QLatin1String(action), inches(widthInches), inches(heightInches))
            .arg(kExportLargestSide)
            .arg(kExportLargestSide / kExportPixelsPerInch);
    return std::nullopt;
}

} // namespace

std::optional<QString> exportSizeProblem(double widthInches, double heightInches)
{
    return sizeProblem(widthInches, heightInches, "exported");
}

std::optional<QString> printSizeProblem(double widthInches, double heightInches)
{
    return sizeProblem(widthInches, heightInches, "printed");
}

QString outOfMemoryText(double widthInches, double heightInches)
{
    const QSize size = exportPixelSize(widthInches, heightInches);
    return QStringLiteral("There is not enough memory for a picture of %1 x %2 pixels.")
        .arg(size.width())
        .arg(size.height());
}

QImage renderExportBitmap(const Plot& plot, const PrintSettings& settings, PlotLayout* layout,
                          const RenderOptions& options)
{
    if (exportSizeProblem(settings.widthInches, settings.heightInches))
        return {};
    const PrintSettings page = exportPage(settings);
    QImage image(exportPixelSize(page.widthInches, page.heightInches), QImage::Format_RGB32);
    if (image.isNull())
        return image;
    const int dotsPerMeter = qRound(kExportPixelsPerInch / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    QPainter painter(&image);
    const PlotLayout drawn = renderPlot(painter, kExportPixelsPerInch, kExportPixelsPerInch, plot, page, options);
    if (layout)
        *layout = drawn;
    return image;
}

ExportResult exportPlot(const Plot& plot, const PrintSettings& settings, const QString& fileName, ExportFormat format,
                        const RenderOptions& options)
{
    if (const auto problem = exportSizeProblem(settings.widthInches, settings.heightInches)) {
        ExportResult refused;
        refused.message = *problem;
        return refused;
    }
    const PrintSettings page = exportPage(settings);
    return format == ExportFormat::Pdf ? exportPdf(plot, page, fileName, options)
                                       : exportBitmap(plot, page, fileName, format, options);
}

} // namespace vimo
