#pragma once

#include "link/PortNames.h"
#include "module/IntervalEditor.h"
#include "module/LiveView.h"

#include <QObject>

class QTimer;

namespace vimo {

class ModuleController;
class Prompts;
class MainWindow;
class ModuleSetupDialog;

// The handlers of the module controls: Connect and the speed box, "Download Info", "Download Data", "Erase Data",
// the "Configure" page's commands and interval editor, the firmware update, the live view and the module setup
// dialog. Each exchange runs on the module worker; while one runs, every control that would start another or
// change what it works on is disabled.
class ModuleActions : public QObject {
    Q_OBJECT
public:
    ModuleActions(MainWindow& window, ModuleController& module, Prompts& prompts);

    // Lists the serial ports in the port box (the first show does it once).
    void discoverPorts();
    const PortNames& portNames() const { return m_portNames; }

    // The device the port box names: the discovered port selected, or a device path typed into the box; empty
    // when there is none.
    QString selectedDevicePath() const;

    // The row of the port box to remember: the selected discovered port, -1 when none (or a typed path).
    int selectedPortRow() const;

    // Shows the interval editor and the "Total Record Time" of the window's copy of the module state.
    void showRecordInterval();

    QTimer* Timer1; // the live view's timer; it has nothing to do

    ModuleSetupDialog* modSetForm;

    // Handlers, named after their control.
    void ConnectBtnClick();
    void SpeedBoxChange(int index);
    void DLInfoBtnClick();
    void DLDataBtnClick();
    void EraseDataBtnClick();
    void ReadCfgBtnClick();
    void WriteCfgBtnClick();
    void BitBtn1Click(); // "Reset Defaults"
    void CalBtnClick();
    void ResetModuleBtnClick();
    void UpdateBtnClick();
    void StartBtnClick();
    void ClearBtnClick();
    void Image1CtrlMouseDown();

private:
    void spin(IntervalEditor::Field field, bool up);
    void setBusy(bool busy);
    void showConnection();
    // After an exchange that may have read the configuration: shows it when a read came.
    void showConfigurationIfRead(int readsBefore);
    // Runs a job that ends with a fresh configuration read (Connect, Read Config and the maintenance commands).
    void startWithConfigRead(std::function<void(class ModuleSession&)> job);
    void runFirmwareUpdate(const QString& hexPath);

    MainWindow& m_window;
    ModuleController& m_module;
    Prompts& m_prompts;
    PortNames m_portNames;
    LiveView m_live;
    bool m_downloading = false;
};

} // namespace vimo
