#include "app/controllers/ConfigController.h"

#include "app/controllers/ConfigDisplay.h"
#include "app/controllers/ModuleController.h"
#include "app/dialogs/ModuleSetupDialog.h"
#include "app/pages/ConfigurePage.h"
#include "module/ConfigControls.h"
#include "module/Configuration.h"
#include "module/Maintenance.h"

namespace vimo {

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

void ConfigController::readModuleConfig()
{
    startWithConfigRead(m_module, m_page, [](ModuleSession& s) { readConfig(s); });
}

void ConfigController::writeModuleConfig()
{
    ConfigControls controls = m_page.controls();
    m_module.start([this, controls](ModuleSession& s) mutable -> ModuleController::Finish {
        writeConfiguration(s, controls);
        // The seconds are kept within what the record can hold; their edits show what was sent.
        return [this, controls] { m_page.showSentSeconds(controls.autoStartSecText, controls.autoStopSecText); };
    });
}

void ConfigController::resetModuleDefaults()
{
    startWithConfigRead(m_module, m_page, [](ModuleSession& s) { resetDefaults(s); });
}

void ConfigController::calibrateAltitude()
{
    const QString altitude = m_page.calibrationAltitude();
    startWithConfigRead(m_module, m_page, [altitude](ModuleSession& s) { calibrate(s, altitude); });
}

void ConfigController::restartModule()
{
    startWithConfigRead(m_module, m_page, [](ModuleSession& s) { resetModule(s); });
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
