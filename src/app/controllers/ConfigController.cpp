#include "app/controllers/ConfigController.h"

#include "app/controllers/ConfigDisplay.h"
#include "app/controllers/ModuleController.h"
#include "app/dialogs/ModuleSetupDialog.h"
#include "app/pages/ConfigurePage.h"
#include "module/ConfigControls.h"
#include "module/Configuration.h"
#include "module/Maintenance.h"

#include <memory>

namespace vimo {
namespace {

// A command that needs a connection and found none: the memo says "Not Connected" and the window shows the
// Connect / Download page, where the box tells the user what to do.
ExchangeOutcome notConnected(const QString& command)
{
    return {QStringLiteral("%1: not connected").arg(command),
            QStringLiteral("%1 needs a connection to the module.\n\nConnect on the \"Connect / Download\" page, "
                           "then try again.")
                .arg(command),
            command};
}

// A command that ends with a configuration read: `sent` whether it went to the module (false when the user
// declined), `readBack` whether the configuration came back. A read that failed has shown its own box.
ExchangeOutcome rereadOutcome(const QString& command, bool wasConnected, bool sent, bool readBack, const QString& done)
{
    if (!wasConnected)
        return notConnected(command);
    if (!sent)
        return {};
    if (!readBack)
        return {QStringLiteral("%1: the module did not send its configuration back").arg(command), {}, command};
    return {done, {}, command};
}

} // namespace

ConfigController::ConfigController(ModuleController& module, ConfigurePage& page, QWidget* dialogParent)
    : QObject(dialogParent), m_module(module), m_page(page), m_setupDialog(new ModuleSetupDialog(dialogParent))
{
    connect(&page, &ConfigurePage::readConfigRequested, this, &ConfigController::readModuleConfig);
    connect(&page, &ConfigurePage::writeConfigRequested, this, &ConfigController::writeModuleConfig);
    connect(&page, &ConfigurePage::resetDefaultsRequested, this, &ConfigController::resetModuleDefaults);
    connect(&page, &ConfigurePage::calibrateRequested, this, &ConfigController::calibrateAltitude);
    connect(&page, &ConfigurePage::resetModuleRequested, this, &ConfigController::restartModule);
    connect(&page, &ConfigurePage::intervalStepRequested, this, &ConfigController::stepInterval);
}

void ConfigController::showRecordTime()
{
    vimo::showRecordTime(m_module, m_page);
}

void ConfigController::stepInterval(IntervalEditor::Field field, bool up)
{
    if (m_module.busy())
        return;
    m_module.module().interval.spin(field, up, m_module.module().config.baseInterval);
    showRecordTime();
}

void ConfigController::startWithReread(const QString& command, std::function<bool(ModuleSession&)> send,
                                       const QString& notSent, const QString& done)
{
    auto outcome = std::make_shared<ExchangeOutcome>();
    startWithConfigRead(
        m_module, m_page,
        [command, send = std::move(send), notSent, done, outcome](ModuleSession& s) {
            const bool wasConnected = s.state.connected;
            const int reads = s.state.configReads;
            const bool sent = send(s);
            if (wasConnected && !sent && !notSent.isEmpty())
                *outcome = {notSent, notSent, command};
            else
                *outcome = rereadOutcome(command, wasConnected, sent, s.state.configReads != reads, done);
        },
        [this, outcome] { Q_EMIT finished(*outcome); });
}

void ConfigController::readModuleConfig()
{
    // A read that found no connection sent nothing; one that got no answer has said so in its own box.
    startWithReread(
        QStringLiteral("Read Config"), [](ModuleSession& s) { return readConfig(s) || s.state.connected; }, {},
        QStringLiteral("Configuration read from the module"));
}

void ConfigController::writeModuleConfig()
{
    ConfigControls controls = m_page.controls();
    m_module.start([this, controls](ModuleSession& s) mutable -> ModuleController::Finish {
        const QString command = QStringLiteral("Write Config");
        // The module does not answer a write: sent is all there is to say.
        const ExchangeOutcome outcome =
            writeConfiguration(s, controls)
                ? ExchangeOutcome{QStringLiteral("Configuration sent to the module"), {}, command}
                : notConnected(command);
        // The seconds are kept within what the record can hold; their edits show what was sent.
        return [this, controls, outcome] {
            m_page.showSentSeconds(controls.autoStartSecText, controls.autoStopSecText);
            Q_EMIT finished(outcome);
        };
    });
}

void ConfigController::resetModuleDefaults()
{
    // Not sent: the user said no, and hears nothing more.
    startWithReread(QStringLiteral("Reset Defaults"), resetDefaults, {},
                    QStringLiteral("The module's configuration is back to its defaults"));
}

void ConfigController::calibrateAltitude()
{
    const QString altitude = m_page.calibrationAltitude();
    // Not sent while connected: the altitude was no number, and the user must hear so.
    startWithReread(
        QStringLiteral("Calibrate"), [altitude](ModuleSession& s) { return calibrate(s, altitude); },
        QStringLiteral("Calibration not sent: the altitude must be a whole number."),
        QStringLiteral("Calibrated to %1").arg(altitude.trimmed()));
}

void ConfigController::restartModule()
{
    startWithReread(QStringLiteral("Reset Module"), resetModule, {}, QStringLiteral("The module has restarted"));
}

void ConfigController::openModuleSetup()
{
    if (m_module.busy())
        return; // an exchange works on the record now
    ModuleConfig& config = m_module.module().config;
    m_setupDialog->edit(config.moduleVersion, config.memorySize);
    m_page.setBlankCaption(blankCaption(config.moduleVersion));
}

} // namespace vimo
