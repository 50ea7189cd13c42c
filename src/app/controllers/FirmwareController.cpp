#include "app/controllers/FirmwareController.h"

#include "app/controllers/ConnectionController.h"
#include "app/controllers/ModuleController.h"
#include "app/dialogs/Prompts.h"
#include "app/pages/ConfigurePage.h"
#include "firmware/FirmwareImage.h"
#include "firmware/FirmwareUpdate.h"
#include "module/Configuration.h"
#include "module/Maintenance.h"

namespace vimo {

QString FirmwareController::updateFailedText(int result)
{
    return QStringLiteral("The firmware update failed: %1.\n\nKeep the module powered and try again. If the module "
                          "no longer starts, tick \"Part is Blank\" for the next attempt.")
        .arg(firmwareUpdateFailureText(result));
}

FirmwareController::FirmwareController(ModuleController& module, ConnectionController& connection, ConfigurePage& page,
                                       Prompts& prompts, QWidget* dialogParent)
    : QObject(dialogParent), m_module(module), m_connection(connection), m_page(page), m_prompts(prompts),
      m_dialogParent(dialogParent)
{
    connect(&page, &ConfigurePage::updateFirmwareRequested, this, &FirmwareController::updateFirmware);
}

void FirmwareController::updateFirmware()
{
    if (m_module.busy())
        return;
    QWidget* parent = m_dialogParent;
    if (m_connection.selectedDevicePath().isEmpty()) {
        m_prompts.message(parent, QStringLiteral("Error"), noPortSelectedText(), MessageIcon::Warning);
        return;
    }
    if (!m_prompts.okCancel(parent, QString::fromLatin1(kUpdateCaption), QString::fromLatin1(kUpdateWarning),
                            MessageIcon::Warning))
        return;
    const QString hexPath =
        m_prompts.openFile(parent, QStringLiteral("Select Firmware Update File"),
                           QStringLiteral("Firmware Update (*.hex);;All Files (*)"), QStringLiteral("hex"));
    if (hexPath.isEmpty())
        return;

    // The update takes the port: an open connection is closed first.
    const auto afterDisconnect = [this, hexPath] {
        if (m_page.manualEntry()
            && !m_prompts.okCancel(m_dialogParent, QString::fromLatin1(kUpdateCaption),
                                   QString::fromLatin1(kManualEntryInstructions), MessageIcon::None))
            return;
        runFirmwareUpdate(hexPath);
    };
    if (!m_module.module().state.connected) {
        afterDisconnect();
        return;
    }
    m_module.start([afterDisconnect](ModuleSession& s) -> ModuleController::Finish {
        disconnectModule(s);
        return afterDisconnect;
    });
}

void FirmwareController::runFirmwareUpdate(const QString& hexPath)
{
    FirmwareUpdateOptions options;
    options.devicePath = m_connection.selectedDevicePath();
    options.baud = m_connection.baudRate();
    options.partIsBlank = m_page.partIsBlank();
    options.forceUpdate = m_page.forceUpdate();
    options.manualEntry = m_page.manualEntry();
    m_module.start([this, hexPath, options](ModuleSession& s) -> ModuleController::Finish {
        FirmwareImage image;
        const int result = vimo::runFirmwareUpdate(hexPath, options, s.link, s.reporter, image, s.pause, s.timing);
        finishFirmwareUpdate(s.reporter, result);
        const QString caption = QString::fromLatin1(kUpdateCaption);
        // A failed update may leave the module without a program: the user must hear so at once, and how to
        // recover, not only in the memo.
        const ExchangeOutcome outcome =
            result == kUpdateOk
                ? ExchangeOutcome{QStringLiteral("Firmware updated successfully."), {}, caption}
                : ExchangeOutcome{
                    QStringLiteral("The firmware update failed: %1").arg(firmwareUpdateFailureText(result)),
                    updateFailedText(result), caption};
        return [this, outcome] { Q_EMIT finished(outcome); };
    });
}

} // namespace vimo
