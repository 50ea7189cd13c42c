#include "app/session/OutputActions.h"

#include "app/dialogs/DialogSupport.h"
#include "app/dialogs/OutputDialog.h"
#include "app/session/PlotPrinter.h"
#include "data/Plot.h"
#include "plot/PlotExport.h"
#include "plot/PrintSettings.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

namespace vimo {
namespace {

struct ExportKind {
    const char* filter;
    const char* suffix;
    ExportFormat format;
};

// Bitmap, JPEG and GIF first, as the list has always been; PNG and PDF after them.
constexpr ExportKind kExportKinds[OutputActions::kExportTypeCount] = {
    {"Bitmap (*.bmp)", "bmp", ExportFormat::Bmp}, {"JPEG (*.jpg)", "jpg", ExportFormat::Jpeg},
    {"GIF (*.gif)", "gif", ExportFormat::Gif},    {"PNG (*.png)", "png", ExportFormat::Png},
    {"PDF (*.pdf)", "pdf", ExportFormat::Pdf},
};

const ExportKind& kindOf(int type)
{
    return kExportKinds[type - 1];
}

// The type a file name's own extension names (1-based), 0 when it names none of them. "jpeg" is JPEG too.
int typeOfName(const QString& path)
{
    QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("jpeg"))
        suffix = QStringLiteral("jpg");
    for (int type = 1; type <= OutputActions::kExportTypeCount; ++type) {
        if (suffix == QLatin1String(kindOf(type).suffix))
            return type;
    }
    return 0;
}

} // namespace

OutputActions::OutputActions(Plot& plot, PrintSettings& settings, QWidget* dialogParent)
    : QObject(dialogParent), m_plot(plot), m_settings(settings), m_parent(dialogParent),
      m_output(new OutputDialog(settings, dialogParent)),
      m_exportDialog(new QFileDialog(dialogParent, QStringLiteral("Export Graph Data"))),
      m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    m_exportDialog->setObjectName(QStringLiteral("ExportDialog1"));
    m_exportDialog->setAcceptMode(QFileDialog::AcceptSave);
    QStringList filters;
    for (const ExportKind& kind : kExportKinds)
        filters << QLatin1String(kind.filter);
    m_exportDialog->setNameFilters(filters);
    // The default extension follows the type the user picks, and stays so for later exports.
    connect(m_exportDialog, &QFileDialog::filterSelected, this, [this](const QString& filter) {
        const int type = int(m_exportDialog->nameFilters().indexOf(filter)) + 1;
        if (type >= 1)
            m_exportDialog->setDefaultSuffix(QLatin1String(kindOf(type).suffix));
    });
    setExportType(Bitmap);
}

OutputActions::~OutputActions() = default;

void OutputActions::setExportType(int type)
{
    m_exportType = type >= 1 && type <= kExportTypeCount ? type : Bitmap;
    m_exportDialog->selectNameFilter(QLatin1String(kindOf(m_exportType).filter));
    m_exportDialog->setDefaultSuffix(QLatin1String(kindOf(m_exportType).suffix));
}

QString OutputActions::exportFolder() const
{
    return m_exportDialog->directory().absolutePath();
}

void OutputActions::setExportFolder(const QString& folder)
{
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        m_exportDialog->setDirectory(folder);
}

void OutputActions::clearOffsets()
{
    m_settings.leftInches = 0;
    m_settings.topInches = 0;
}

RenderOptions OutputActions::renderOptions() const
{
    RenderOptions options;
    options.legend = m_legend;
    if (m_activeSource)
        options.activeSet = m_activeSource();
    if (m_flightMarks && m_flightSource)
        options.flights = m_flightSource();
    return options;
}

void OutputActions::print()
{
    m_output->showSize();
    m_output->setOffsetsEnabled(true);
    if (m_output->run() == QDialog::Accepted) {
        if (const auto problem = printSizeProblem(m_settings.widthInches, m_settings.heightInches)) {
            showError(m_parent, *problem);
        } else {
            QPrintDialog dialog(m_printer.get(), m_parent);
            dialog.setObjectName(QStringLiteral("PrintDialog1"));
            if (dialog.exec() == QDialog::Accepted) {
                // Let the screen repaint where the dialogs covered it before the page is rendered.
                QApplication::processEvents();
                const PrintResult printed = printPlot(*m_printer, m_plot, m_settings, renderOptions());
                if (!printed.ok)
                    showError(m_parent, printed.message);
            }
        }
    }
    clearOffsets();
}

void OutputActions::exportPlot()
{
    // The name box offers the last file's name in its folder, never a whole path to type after.
    const QStringList previous = m_exportDialog->selectedFiles();
    if (!previous.isEmpty() && !QFileInfo(previous.constFirst()).isDir()) {
        m_exportDialog->setDirectory(QFileInfo(previous.constFirst()).absolutePath());
        m_exportDialog->selectFile(QFileInfo(previous.constFirst()).fileName());
    }
    if (m_exportDialog->exec() != QDialog::Accepted || m_exportDialog->selectedFiles().isEmpty()) {
        clearOffsets();
        return;
    }
    const int type = int(m_exportDialog->nameFilters().indexOf(m_exportDialog->selectedNameFilter())) + 1;
    if (type >= 1)
        m_exportType = type;
    QString path = m_exportDialog->selectedFiles().constFirst();
    // A known extension typed by the user decides what is written; a name without one gets the chosen type's.
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + QLatin1String(kindOf(m_exportType).suffix);
    const int named = typeOfName(path);
    const int written = named ? named : m_exportType;

    m_output->setOffsetsEnabled(false);
    const bool accepted = m_output->run() == QDialog::Accepted;
    clearOffsets();
    if (!accepted)
        return;
    const ExportResult result = vimo::exportPlot(m_plot, m_settings, path, kindOf(written).format, renderOptions());
    if (!result.ok)
        showError(m_parent, result.message);
}

bool OutputActions::copyPlot()
{
    if (const auto problem = exportSizeProblem(m_settings.widthInches, m_settings.heightInches)) {
        showError(m_parent, *problem);
        return false;
    }
    const QImage image = renderExportBitmap(m_plot, m_settings, nullptr, renderOptions());
    if (image.isNull()) {
        showError(m_parent, outOfMemoryText(m_settings.widthInches, m_settings.heightInches));
        return false;
    }
    QApplication::clipboard()->setImage(image);
    return true;
}

} // namespace vimo
