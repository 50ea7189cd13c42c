#pragma once

#include "module/IntervalEditor.h"

#include <QObject>

class QWidget;

namespace vimo {

class ConfigurePage;
class ModuleController;
class ModuleSetupDialog;

// Configure and maintain the module: "Read Config", "Write Config", "Reset Defaults", "Calibrate", "Reset
// Module", the interval editor's arrows and the hidden module setup dialog. Each exchange runs on the module
// worker; the commands that change the module end with a fresh read, which the page then shows.
class ConfigController : public QObject {
    Q_OBJECT
public:
    // `dialogParent` owns the module setup dialog.
    ConfigController(ModuleController& module, ConfigurePage& page, QWidget* dialogParent);

    // Shows the interval editor and the "Total Record Time" of the window's copy of the module state.
    void showRecordTime();

    void readModuleConfig();
    void writeModuleConfig();
    void resetModuleDefaults();
    void calibrateAltitude();
    void restartModule();
    void stepInterval(IntervalEditor::Field field, bool up);
    // The module's version and memory size, which the "Configure" page does not show; not during an exchange.
    void openModuleSetup();

private:
    ModuleController& m_module;
    ConfigurePage& m_page;
    ModuleSetupDialog* m_setupDialog;
};

} // namespace vimo
