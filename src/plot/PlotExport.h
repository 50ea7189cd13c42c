#pragma once

#include "plot/PlotLayout.h"
#include "plot/PlotRenderer.h"
#include "plot/PrintSettings.h"

#include <QSize>
#include <QString>
#include <optional>

class QImage;

namespace vimo {

struct Plot;

// Picture formats of an exported plot: bitmaps at 100 pixels per inch, or a vector PDF page.
enum class ExportFormat { Bmp, Jpeg, Gif, Png, Pdf };

constexpr int kExportPixelsPerInch = 100;
constexpr int kExportLargestSide = 20000; // pixels of the bitmap on either side
constexpr int kJpegQuality = 90;
constexpr const char* kExportErrorCaption = "Error"; // caption of the message box that shows a failure

// The format named by the file's extension (.bmp, .jpg or .jpeg, .gif, .png, .pdf, in any case).
std::optional<ExportFormat> exportFormatOf(const QString& fileName);

// The bitmap size of a plot of width x height inches: trunc(100 x width) by trunc(100 x height).
QSize exportPixelSize(double widthInches, double heightInches);

// Why a plot of this size cannot be exported (a side below one pixel, or above the largest), or nothing.
std::optional<QString> exportSizeProblem(double widthInches, double heightInches);

// Says that a picture of this size did not fit in memory.
QString outOfMemoryText(double widthInches, double heightInches);

// The same limits for a printed plot (at least 0.01 inches, at most 200 inches a side), or nothing.
std::optional<QString> printSizeProblem(double widthInches, double heightInches);

struct ExportResult {
    bool ok = false;
    QString message; // what failed and why, when not ok
    PlotLayout layout;
};

// Renders the plot at settings.widthInches x settings.heightInches, never offset, in colour when
// settings.inColor is set, and writes it to `fileName` in `format`. The file is written under a temporary name
// in the same folder and renamed over `fileName` only when every byte was written, so a failed export leaves no
// partial file and keeps a file that was there before.
ExportResult exportPlot(const Plot& plot, const PrintSettings& settings, const QString& fileName, ExportFormat format,
                        const RenderOptions& options = {});

// The bitmap that exportPlot writes for the bitmap formats.
QImage renderExportBitmap(const Plot& plot, const PrintSettings& settings, PlotLayout* layout = nullptr,
                          const RenderOptions& options = {});

} // namespace vimo
