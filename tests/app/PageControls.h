#pragma once

#include "ModalScript.h"
#include "app/Controls.h"
#include "app/dialogs/ModuleSetupDialog.h"
#include "app/pages/AboutPage.h"
#include "app/pages/ConfigurePage.h"
#include "app/pages/ConnectPage.h"
#include "app/pages/LogPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>

namespace vimo::test {

// The controls of a page or dialog, found by their object names as a user's script would find them: the pages
// keep their widgets to themselves.
struct ConnectControls {
    explicit ConnectControls(QWidget* w)
        : CommPortBox(child<QComboBox>(w, "CommPortBox")),
          SpeedBox(child<QComboBox>(w, "SpeedBox")),
          ConnectBtn(child<QPushButton>(w, "ConnectBtn")),
          InfoText(child<QPlainTextEdit>(w, "InfoText")),
          DLInfoBtn(child<QPushButton>(w, "DLInfoBtn")),
          SetList(child<QComboBox>(w, "SetList")),
          DLDataBtn(child<QPushButton>(w, "DLDataBtn")),
          EraseDataBtn(child<QPushButton>(w, "EraseDataBtn")),
          SizeChk(child<QCheckBox>(w, "SizeChk"))
    {
    }
    QComboBox* CommPortBox;
    QComboBox* SpeedBox;
    QPushButton* ConnectBtn;
    QPlainTextEdit* InfoText;
    QPushButton* DLInfoBtn;
    QComboBox* SetList;
    QPushButton* DLDataBtn;
    QPushButton* EraseDataBtn;
    QCheckBox* SizeChk;
};
inline ConnectControls controls(ConnectPage* w) { return ConnectControls(w); }

struct ConfigureControls {
    explicit ConfigureControls(QWidget* w)
        : HourPanel(child<QLabel>(w, "HourPanel")),
          MinutePanel(child<QLabel>(w, "MinutePanel")),
          SecondPanel(child<QLabel>(w, "SecondPanel")),
          mSecPanel(child<QLabel>(w, "mSecPanel")),
          HourSpin(child<SpinButtons>(w, "HourSpin")),
          MinSpin(child<SpinButtons>(w, "MinSpin")),
          SecSpin(child<SpinButtons>(w, "SecSpin")),
          mSecSpin(child<SpinButtons>(w, "mSecSpin")),
          Msg1(child<QLabel>(w, "Msg1")),
          UnitsGrp(child<RadioGroup>(w, "UnitsGrp")),
          BlankChk(child<QCheckBox>(w, "BlankChk")),
          TrigChk(child<QCheckBox>(w, "TrigChk")),
          RevTrigChk(child<QCheckBox>(w, "RevTrigChk")),
          AutoStartGrp(child<RadioGroup>(w, "AutoStartGrp")),
          AutoStartSecEdit(child<QLineEdit>(w, "AutoStartSecEdit")),
          AutoStartAltitudeEdit(child<QLineEdit>(w, "AutoStartAltitudeEdit")),
          AboveUnitsPanel(child<QLabel>(w, "AboveUnitsPanel")),
          AutoStopGrp(child<RadioGroup>(w, "AutoStopGrp")),
          AutoStopSecEdit(child<QLineEdit>(w, "AutoStopSecEdit")),
          AutoStopAltitudeEdit(child<QLineEdit>(w, "AutoStopAltitudeEdit")),
          BelowUnitsPanel(child<QLabel>(w, "BelowUnitsPanel")),
          AutoZeroGrp(child<RadioGroup>(w, "AutoZeroGrp")),
          ZF5J_Grp(child<QGroupBox>(w, "ZF5J_Grp")),
          ZCutBar(child<QSlider>(w, "ZCutBar")),
          T1Bar(child<QSlider>(w, "T1Bar")),
          T2Bar(child<QSlider>(w, "T2Bar")),
          ZCutDisp(child<QLabel>(w, "ZCutDisp")),
          ZT1Disp(child<QLabel>(w, "ZT1Disp")),
          ZT2Disp(child<QLabel>(w, "ZT2Disp")),
          AutoZeroChk(child<QCheckBox>(w, "AutoZeroChk")),
          AltCalEdit(child<QLineEdit>(w, "AltCalEdit")),
          CalBtn(child<QPushButton>(w, "CalBtn")),
          ReadCfgBtn(child<QPushButton>(w, "ReadCfgBtn")),
          WriteCfgBtn(child<QPushButton>(w, "WriteCfgBtn")),
          BitBtn1(child<QPushButton>(w, "BitBtn1")),
          ResetModuleBtn(child<QPushButton>(w, "ResetModuleBtn")),
          FirmwareVersionDisp(child<QLabel>(w, "FirmwareVersionDisp")),
          UpdateBtn(child<QPushButton>(w, "UpdateBtn")),
          BlankPartChk(child<QCheckBox>(w, "BlankPartChk")),
          ForceChk(child<QCheckBox>(w, "ForceChk")),
          CompatChk(child<QCheckBox>(w, "CompatChk"))
    {
    }
    QLabel* HourPanel;
    QLabel* MinutePanel;
    QLabel* SecondPanel;
    QLabel* mSecPanel;
    SpinButtons* HourSpin;
    SpinButtons* MinSpin;
    SpinButtons* SecSpin;
    SpinButtons* mSecSpin;
    QLabel* Msg1;
    RadioGroup* UnitsGrp;
    QCheckBox* BlankChk;
    QCheckBox* TrigChk;
    QCheckBox* RevTrigChk;
    RadioGroup* AutoStartGrp;
    QLineEdit* AutoStartSecEdit;
    QLineEdit* AutoStartAltitudeEdit;
    QLabel* AboveUnitsPanel;
    RadioGroup* AutoStopGrp;
    QLineEdit* AutoStopSecEdit;
    QLineEdit* AutoStopAltitudeEdit;
    QLabel* BelowUnitsPanel;
    RadioGroup* AutoZeroGrp;
    QGroupBox* ZF5J_Grp;
    QSlider* ZCutBar;
    QSlider* T1Bar;
    QSlider* T2Bar;
    QLabel* ZCutDisp;
    QLabel* ZT1Disp;
    QLabel* ZT2Disp;
    QCheckBox* AutoZeroChk;
    QLineEdit* AltCalEdit;
    QPushButton* CalBtn;
    QPushButton* ReadCfgBtn;
    QPushButton* WriteCfgBtn;
    QPushButton* BitBtn1;
    QPushButton* ResetModuleBtn;
    QLabel* FirmwareVersionDisp;
    QPushButton* UpdateBtn;
    QCheckBox* BlankPartChk;
    QCheckBox* ForceChk;
    QCheckBox* CompatChk;
};
inline ConfigureControls controls(ConfigurePage* w) { return ConfigureControls(w); }

struct LogControls {
    explicit LogControls(QWidget* w)
        : Label2(child<QLabel>(w, "Label2")),
          Panel3(child<QLabel>(w, "Panel3")),
          Label3(child<QLabel>(w, "Label3")),
          AltDisp(child<QLabel>(w, "AltDisp")),
          AMaxLabel(child<QLabel>(w, "AMaxLabel")),
          AMinLabel(child<QLabel>(w, "AMinLabel")),
          AltBox(child<LiveStrip>(w, "AltBox")),
          StartBtn(child<QPushButton>(w, "StartBtn")),
          ClearBtn(child<QPushButton>(w, "ClearBtn"))
    {
    }
    QLabel* Label2;
    QLabel* Panel3;
    QLabel* Label3;
    QLabel* AltDisp;
    QLabel* AMaxLabel;
    QLabel* AMinLabel;
    LiveStrip* AltBox;
    QPushButton* StartBtn;
    QPushButton* ClearBtn;
};
inline LogControls controls(LogPage* w) { return LogControls(w); }

struct AboutControls {
    explicit AboutControls(QWidget* w)
        : AboutAppName(child<QLabel>(w, "AboutAppName")),
          Image1(child<IconLabel>(w, "Image1")),
          VersionInfo(child<QLabel>(w, "VersionInfo")),
          BuildInfo(child<QLabel>(w, "BuildInfo")),
          AboutEmail(child<LinkLabel>(w, "AboutEmail")),
          AboutWebSite(child<LinkLabel>(w, "AboutWebSite")),
          ManualBtn(child<QPushButton>(w, "ManualBtn"))
    {
    }
    QLabel* AboutAppName;
    IconLabel* Image1;
    QLabel* VersionInfo;
    QLabel* BuildInfo;
    LinkLabel* AboutEmail;
    LinkLabel* AboutWebSite;
    QPushButton* ManualBtn;
};
inline AboutControls controls(AboutPage* w) { return AboutControls(w); }

struct ModuleSetupControls {
    explicit ModuleSetupControls(QWidget* w)
        : ModDisp(child<QLabel>(w, "ModDisp")),
          CSpinButton1(child<SpinButtons>(w, "CSpinButton1")),
          MemList(child<QComboBox>(w, "MemList")),
          BitBtn1(child<QPushButton>(w, "BitBtn1"))
    {
    }
    QLabel* ModDisp;
    SpinButtons* CSpinButton1;
    QComboBox* MemList;
    QPushButton* BitBtn1;
};
inline ModuleSetupControls controls(ModuleSetupDialog* w) { return ModuleSetupControls(w); }

} // namespace vimo::test
