#pragma once

#include "app/controllers/ExchangeOutcome.h"
#include "module/IntervalEditor.h"

#include <QObject>
#include <functional>

class QWidget;

namespace vimo {

class ConfigurePage;
class ModuleController;
class ModuleSession;
class ModuleSetupDialog;

// Configure and maintain the module: "Read Config", "Write Config", "Reset Defaults", "Calibrate", "Reset
// Module", the interval editor's arrows and the hidden module setup dialog. Each exchange runs on the module
// worker; the commands that change the module end with a fresh read, which the page then shows. Besides the memo,
// each command says what it came to with finished().
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

Q_SIGNALS:
    // A command has ended; an empty outcome when the user declined it.
    void finished(const vimo::ExchangeOutcome& outcome);

private:
    // Starts `command`, which `send` carries out and which ends with a configuration read; finished() follows when
    // the page shows the result. `send` returns whether the command went to the module; when it did not although
    // the module was connected, `notSent` (when not empty) is the failure to show, else the user declined.
    void startWithReread(const QString& command, std::function<bool(ModuleSession&)> send, const QString& notSent,
                         const QString& done);

    ModuleController& m_module;
    ConfigurePage& m_page;
    ModuleSetupDialog* m_setupDialog;
};

} // namespace vimo
