#include "app/OutputActions.h"

#include "app/DialogSupport.h"
#include "app/PrtLocForm.h"
#include "data/Plot.h"
#include "plot/PlotRenderer.h"
#include "plot/PrintSettings.h"

#include <QApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace vimo {

OutputActions::OutputActions(Plot& plot, PrintSettings& settings, QWidget* dialogParent)
    : QObject(dialogParent), m_plot(plot), m_settings(settings), m_parent(dialogParent),
      m_output(new TPrtLocForm(settings, dialogParent)),
      m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
}

OutputActions::~OutputActions() = default;

void OutputActions::print()
{
    m_output->showSize();
    m_output->setOffsetsEnabled(true);
    if (m_output->run() == QDialog::Accepted) {
        QPrintDialog dialog(m_printer.get(), m_parent);
        dialog.setObjectName(QStringLiteral("PrintDialog1"));
        if (dialog.exec() == QDialog::Accepted) {
            // Let the screen repaint where the dialogs covered it before the page is rendered.
            QApplication::processEvents();
            QPainter painter;
            if (painter.begin(m_printer.get())) {
                renderPlot(painter, m_printer->logicalDpiX(), m_printer->logicalDpiY(), m_plot, m_settings);
                painter.end();
            } else {
                showError(m_parent, QStringLiteral("Unable to print on %1.").arg(m_printer->printerName()));
            }
        }
    }
    m_settings.leftInches = 0;
    m_settings.topInches = 0;
}

} // namespace vimo
