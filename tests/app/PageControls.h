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
    QComboBox* portBox = child<QComboBox>(w, "CommPortBox");
    QComboBox* speedBox = child<QComboBox>(w, "SpeedBox");
    QPushButton* connectButton = child<QPushButton>(w, "ConnectBtn");
    QPlainTextEdit* memo = child<QPlainTextEdit>(w, "InfoText");
    QPushButton* downloadInfoButton = child<QPushButton>(w, "DLInfoBtn");
    QComboBox* setBox = child<QComboBox>(w, "SetList");
    QPushButton* downloadDataButton = child<QPushButton>(w, "DLDataBtn");
    QPushButton* eraseButton = child<QPushButton>(w, "EraseDataBtn");
    QCheckBox* sizeableBox = child<QCheckBox>(w, "SizeChk");
};
inline ConnectControls controls(ConnectPage* page)
{
    return ConnectControls(page);
}

struct ConfigureControls {
    explicit ConfigureControls(QWidget* widget) : w(widget) {}
    QWidget* w;
    QLabel* hoursPanel = child<QLabel>(w, "HourPanel");
    QLabel* minutesPanel = child<QLabel>(w, "MinutePanel");
    QLabel* secondsPanel = child<QLabel>(w, "SecondPanel");
    QLabel* millisecondsPanel = child<QLabel>(w, "mSecPanel");
    SpinButtons* hoursArrows = child<SpinButtons>(w, "HourSpin");
    SpinButtons* minutesArrows = child<SpinButtons>(w, "MinSpin");
    SpinButtons* secondsArrows = child<SpinButtons>(w, "SecSpin");
    SpinButtons* millisecondsArrows = child<SpinButtons>(w, "mSecSpin");
    QLabel* recordTimeLine = child<QLabel>(w, "Msg1");
    RadioGroup* unitsGroup = child<RadioGroup>(w, "UnitsGrp");
    QCheckBox* blankDisplayBox = child<QCheckBox>(w, "BlankChk");
    QCheckBox* recordTriggerBox = child<QCheckBox>(w, "TrigChk");
    QCheckBox* reverseTriggerBox = child<QCheckBox>(w, "RevTrigChk");
    RadioGroup* autoStartGroup = child<RadioGroup>(w, "AutoStartGrp");
    QLineEdit* autoStartSecondsEdit = child<QLineEdit>(w, "AutoStartSecEdit");
    QLineEdit* autoStartAltitudeEdit = child<QLineEdit>(w, "AutoStartAltitudeEdit");
    QLabel* autoStartUnits = child<QLabel>(w, "AboveUnitsPanel");
    RadioGroup* autoStopGroup = child<RadioGroup>(w, "AutoStopGrp");
    QLineEdit* autoStopSecondsEdit = child<QLineEdit>(w, "AutoStopSecEdit");
    QLineEdit* autoStopAltitudeEdit = child<QLineEdit>(w, "AutoStopAltitudeEdit");
    QLabel* autoStopUnits = child<QLabel>(w, "BelowUnitsPanel");
    RadioGroup* autoZeroGroup = child<RadioGroup>(w, "AutoZeroGrp");
    QGroupBox* f5jGroup = child<QGroupBox>(w, "ZF5J_Grp");
    QSlider* cutOffAltitudeBar = child<QSlider>(w, "ZCutBar");
    QSlider* cutOffTimeBar = child<QSlider>(w, "T1Bar");
    QSlider* reenableDelayBar = child<QSlider>(w, "T2Bar");
    QLabel* cutOffAltitudeReadout = child<QLabel>(w, "ZCutDisp");
    QLabel* cutOffTimeReadout = child<QLabel>(w, "ZT1Disp");
    QLabel* reenableDelayReadout = child<QLabel>(w, "ZT2Disp");
    QCheckBox* autoZeroOnPowerupBox = child<QCheckBox>(w, "AutoZeroChk");
    QLineEdit* calibrationAltitudeEdit = child<QLineEdit>(w, "AltCalEdit");
    QPushButton* calibrateButton = child<QPushButton>(w, "CalBtn");
    QPushButton* readConfigButton = child<QPushButton>(w, "ReadCfgBtn");
    QPushButton* writeConfigButton = child<QPushButton>(w, "WriteCfgBtn");
    QPushButton* resetDefaultsButton = child<QPushButton>(w, "BitBtn1");
    QPushButton* resetModuleButton = child<QPushButton>(w, "ResetModuleBtn");
    QLabel* firmwareVersionLabel = child<QLabel>(w, "FirmwareVersionDisp");
    QPushButton* updateFirmwareButton = child<QPushButton>(w, "UpdateBtn");
    QCheckBox* partIsBlankBox = child<QCheckBox>(w, "BlankPartChk");
    QCheckBox* forceUpdateBox = child<QCheckBox>(w, "ForceChk");
    QCheckBox* manualEntryBox = child<QCheckBox>(w, "CompatChk");
};
inline ConfigureControls controls(ConfigurePage* page)
{
    return ConfigureControls(page);
}

struct LogControls {
    explicit LogControls(QWidget* widget) : w(widget) {}
    QWidget* w;
    QLabel* timeLabel = child<QLabel>(w, "Label2");
    QLabel* elapsedTime = child<QLabel>(w, "Panel3");
    QLabel* altitudeLabel = child<QLabel>(w, "Label3");
    QLabel* altitude = child<QLabel>(w, "AltDisp");
    QLabel* stripTop = child<QLabel>(w, "AMaxLabel");
    QLabel* stripBottom = child<QLabel>(w, "AMinLabel");
    LiveStrip* strip = child<LiveStrip>(w, "AltBox");
    QPushButton* startButton = child<QPushButton>(w, "StartBtn");
    QPushButton* clearButton = child<QPushButton>(w, "ClearBtn");
};
inline LogControls controls(LogPage* page)
{
    return LogControls(page);
}

struct AboutControls {
    explicit AboutControls(QWidget* widget) : w(widget) {}
    QWidget* w;
    QLabel* appName = child<QLabel>(w, "AboutAppName");
    IconLabel* icon = child<IconLabel>(w, "Image1");
    QLabel* version = child<QLabel>(w, "VersionInfo");
    QLabel* build = child<QLabel>(w, "BuildInfo");
    LinkLabel* email = child<LinkLabel>(w, "AboutEmail");
    LinkLabel* webSite = child<LinkLabel>(w, "AboutWebSite");
    QPushButton* manualButton = child<QPushButton>(w, "ManualBtn");
};
inline AboutControls controls(AboutPage* page)
{
    return AboutControls(page);
}

struct ModuleSetupControls {
    explicit ModuleSetupControls(QWidget* widget) : w(widget) {}
    QWidget* w;
    QLabel* versionReadout = child<QLabel>(w, "ModDisp");
    SpinButtons* versionArrows = child<SpinButtons>(w, "CSpinButton1");
    QComboBox* memoryBox = child<QComboBox>(w, "MemList");
    QPushButton* closeButton = child<QPushButton>(w, "BitBtn1");
};
inline ModuleSetupControls controls(ModuleSetupDialog* page)
{
    return ModuleSetupControls(page);
}

struct WindowControls {
    explicit WindowControls(QWidget* widget) : w(widget) {}
    QWidget* w;
    QTabWidget* pages = child<QTabWidget>(w, "PageControl");
    QCheckBox* simulateBox = child<QCheckBox>(w, "SimulateChk");
    QPushButton* closeButton = child<QPushButton>(w, "CloseBtn");
    QLabel* connectionStatus = child<QLabel>(w, "ConnectStatusDisp");
    QProgressBar* progressBar = child<QProgressBar>(w, "ProgressBar1");
    QLabel* progressText = child<QLabel>(w, "ProgressText");
    QLabel* loggingStatus = child<QLabel>(w, "LogDisp");
    QLabel* positionReadout = child<QLabel>(w, "XYDisp");
    QLabel* climbReadout = child<QLabel>(w, "ROCDisp");
    QTimer* startupTimer = child<QTimer>(w, "Timer3");
};
inline WindowControls controls(MainWindow* window)
{
    return WindowControls(window);
}

} // namespace vimo::test
