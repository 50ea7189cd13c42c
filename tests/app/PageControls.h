#pragma once

#include "ModalScript.h"
#include "app/Controls.h"
#include "app/MainWindow.h"
#include "app/dialogs/ModuleSetupDialog.h"
#include "app/pages/AboutPage.h"
#include "app/pages/ConfigurePage.h"
#include "app/pages/ConnectPage.h"
#include "app/pages/LogPage.h"
#include "app/session/PlotSession.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>

namespace vimo::test {

// The controls of a page, dialog or the main window, found by their object names as a user's script would find
// them: they keep their widgets to themselves. Each control is named once, beside the type it has.
struct ConnectControls {
    explicit ConnectControls(QWidget* widget) : w(widget) {}
    QWidget* w;
    QComboBox* CommPortBox = child<QComboBox>(w, "CommPortBox");
    QComboBox* SpeedBox = child<QComboBox>(w, "SpeedBox");
    QPushButton* ConnectBtn = child<QPushButton>(w, "ConnectBtn");
    QPlainTextEdit* InfoText = child<QPlainTextEdit>(w, "InfoText");
    QPushButton* DLInfoBtn = child<QPushButton>(w, "DLInfoBtn");
    QComboBox* SetList = child<QComboBox>(w, "SetList");
    QPushButton* DLDataBtn = child<QPushButton>(w, "DLDataBtn");
    QPushButton* EraseDataBtn = child<QPushButton>(w, "EraseDataBtn");
    QCheckBox* SizeChk = child<QCheckBox>(w, "SizeChk");
};
inline ConnectControls controls(ConnectPage* page) { return ConnectControls(page); }

struct ConfigureControls {
    explicit ConfigureControls(QWidget* widget) : w(widget) {}
    QWidget* w;
    QLabel* HourPanel = child<QLabel>(w, "HourPanel");
    QLabel* MinutePanel = child<QLabel>(w, "MinutePanel");
    QLabel* SecondPanel = child<QLabel>(w, "SecondPanel");
    QLabel* mSecPanel = child<QLabel>(w, "mSecPanel");
    SpinButtons* HourSpin = child<SpinButtons>(w, "HourSpin");
    SpinButtons* MinSpin = child<SpinButtons>(w, "MinSpin");
    SpinButtons* SecSpin = child<SpinButtons>(w, "SecSpin");
    SpinButtons* mSecSpin = child<SpinButtons>(w, "mSecSpin");
    QLabel* Msg1 = child<QLabel>(w, "Msg1");
    RadioGroup* UnitsGrp = child<RadioGroup>(w, "UnitsGrp");
    QCheckBox* BlankChk = child<QCheckBox>(w, "BlankChk");
    QCheckBox* TrigChk = child<QCheckBox>(w, "TrigChk");
    QCheckBox* RevTrigChk = child<QCheckBox>(w, "RevTrigChk");
    RadioGroup* AutoStartGrp = child<RadioGroup>(w, "AutoStartGrp");
    QLineEdit* AutoStartSecEdit = child<QLineEdit>(w, "AutoStartSecEdit");
    QLineEdit* AutoStartAltitudeEdit = child<QLineEdit>(w, "AutoStartAltitudeEdit");
    QLabel* AboveUnitsPanel = child<QLabel>(w, "AboveUnitsPanel");
    RadioGroup* AutoStopGrp = child<RadioGroup>(w, "AutoStopGrp");
    QLineEdit* AutoStopSecEdit = child<QLineEdit>(w, "AutoStopSecEdit");
    QLineEdit* AutoStopAltitudeEdit = child<QLineEdit>(w, "AutoStopAltitudeEdit");
    QLabel* BelowUnitsPanel = child<QLabel>(w, "BelowUnitsPanel");
    RadioGroup* AutoZeroGrp = child<RadioGroup>(w, "AutoZeroGrp");
    QGroupBox* ZF5J_Grp = child<QGroupBox>(w, "ZF5J_Grp");
    QSlider* ZCutBar = child<QSlider>(w, "ZCutBar");
    QSlider* T1Bar = child<QSlider>(w, "T1Bar");
    QSlider* T2Bar = child<QSlider>(w, "T2Bar");
    QLabel* ZCutDisp = child<QLabel>(w, "ZCutDisp");
    QLabel* ZT1Disp = child<QLabel>(w, "ZT1Disp");
    QLabel* ZT2Disp = child<QLabel>(w, "ZT2Disp");
    QCheckBox* AutoZeroChk = child<QCheckBox>(w, "AutoZeroChk");
    QLineEdit* AltCalEdit = child<QLineEdit>(w, "AltCalEdit");
    QPushButton* CalBtn = child<QPushButton>(w, "CalBtn");
    QPushButton* ReadCfgBtn = child<QPushButton>(w, "ReadCfgBtn");
    QPushButton* WriteCfgBtn = child<QPushButton>(w, "WriteCfgBtn");
    QPushButton* BitBtn1 = child<QPushButton>(w, "BitBtn1");
    QPushButton* ResetModuleBtn = child<QPushButton>(w, "ResetModuleBtn");
    QLabel* FirmwareVersionDisp = child<QLabel>(w, "FirmwareVersionDisp");
    QPushButton* UpdateBtn = child<QPushButton>(w, "UpdateBtn");
    QCheckBox* BlankPartChk = child<QCheckBox>(w, "BlankPartChk");
    QCheckBox* ForceChk = child<QCheckBox>(w, "ForceChk");
    QCheckBox* CompatChk = child<QCheckBox>(w, "CompatChk");
};
inline ConfigureControls controls(ConfigurePage* page) { return ConfigureControls(page); }

struct LogControls {
    explicit LogControls(QWidget* widget) : w(widget) {}
    QWidget* w;
    QLabel* Label2 = child<QLabel>(w, "Label2");
    QLabel* Panel3 = child<QLabel>(w, "Panel3");
    QLabel* Label3 = child<QLabel>(w, "Label3");
    QLabel* AltDisp = child<QLabel>(w, "AltDisp");
    QLabel* AMaxLabel = child<QLabel>(w, "AMaxLabel");
    QLabel* AMinLabel = child<QLabel>(w, "AMinLabel");
    LiveStrip* AltBox = child<LiveStrip>(w, "AltBox");
    QPushButton* StartBtn = child<QPushButton>(w, "StartBtn");
    QPushButton* ClearBtn = child<QPushButton>(w, "ClearBtn");
};
inline LogControls controls(LogPage* page) { return LogControls(page); }

struct AboutControls {
    explicit AboutControls(QWidget* widget) : w(widget) {}
    QWidget* w;
    QLabel* AboutAppName = child<QLabel>(w, "AboutAppName");
    IconLabel* Image1 = child<IconLabel>(w, "Image1");
    QLabel* VersionInfo = child<QLabel>(w, "VersionInfo");
    QLabel* BuildInfo = child<QLabel>(w, "BuildInfo");
    LinkLabel* AboutEmail = child<LinkLabel>(w, "AboutEmail");
    LinkLabel* AboutWebSite = child<LinkLabel>(w, "AboutWebSite");
    QPushButton* ManualBtn = child<QPushButton>(w, "ManualBtn");
};
inline AboutControls controls(AboutPage* page) { return AboutControls(page); }

struct ModuleSetupControls {
    explicit ModuleSetupControls(QWidget* widget) : w(widget) {}
    QWidget* w;
    QLabel* ModDisp = child<QLabel>(w, "ModDisp");
    SpinButtons* CSpinButton1 = child<SpinButtons>(w, "CSpinButton1");
    QComboBox* MemList = child<QComboBox>(w, "MemList");
    QPushButton* BitBtn1 = child<QPushButton>(w, "BitBtn1");
};
inline ModuleSetupControls controls(ModuleSetupDialog* page) { return ModuleSetupControls(page); }

struct WindowControls {
    explicit WindowControls(QWidget* widget) : w(widget) {}
    QWidget* w;
    QTabWidget* PageControl = child<QTabWidget>(w, "PageControl");
    QCheckBox* SimulateChk = child<QCheckBox>(w, "SimulateChk");
    QPushButton* CloseBtn = child<QPushButton>(w, "CloseBtn");
    QLabel* ConnectStatusDisp = child<QLabel>(w, "ConnectStatusDisp");
    QProgressBar* ProgressBar1 = child<QProgressBar>(w, "ProgressBar1");
    QLabel* ProgressText = child<QLabel>(w, "ProgressText");
    QLabel* LogDisp = child<QLabel>(w, "LogDisp");
    QLabel* XYDisp = child<QLabel>(w, "XYDisp");
    QLabel* ROCDisp = child<QLabel>(w, "ROCDisp");
    QTimer* Timer3 = child<QTimer>(w, "Timer3");
};
inline WindowControls controls(MainWindow* window) { return WindowControls(window); }

} // namespace vimo::test
