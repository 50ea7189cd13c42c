#pragma once

#include "app/AppSettings.h"
#include "module/ConfigControls.h"
#include "module/IntervalEditor.h"

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

namespace vimo {

class RadioGroup;
class SpinButtons;

// The "Configure" page: the module's configuration as controls, calibration, the reset buttons and the firmware
// update. The page lays the controls out; the window fills them and wires the buttons.
class ConfigurePage : public QWidget {
    Q_OBJECT
public:
    explicit ConfigurePage(QWidget* parent = nullptr);

    // Sampling interval editor.
    QLabel* HourPanel;
    QLabel* MinutePanel;
    QLabel* SecondPanel;
    QLabel* mSecPanel;
    SpinButtons* HourSpin;
    SpinButtons* MinSpin;
    SpinButtons* SecSpin;
    SpinButtons* mSecSpin;
    QLabel* Msg1; // "Total Record Time: ..."

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
    QPushButton* BitBtn1; // "Reset Defaults"
    QPushButton* ResetModuleBtn;

    QLabel* FirmwareVersionDisp;
    QPushButton* UpdateBtn;
    QCheckBox* BlankPartChk;
    QCheckBox* ForceChk;
    QCheckBox* CompatChk;

    // Shows the F5J group with the auto-zero box in place of the three auto groups, or the other way round.
    void showF5j(bool f5j);

    // The configuration record's controls: shown after a read, taken before a write. Setting them fires none of
    // the handlers that act on the user's own clicks.
    void setControls(const ConfigControls& controls);
    ConfigControls controls() const;

    // The interval editor's panels and the "Total Record Time" line.
    void showInterval(const IntervalDisplay& display);

    // The remembered values that live on this page.
    void applySettings(const AppSettings& settings);
    void collectSettings(AppSettings& settings) const;

private:
    void UnitsGrpClick(int row);
    void AutoZeroChkClick(bool checked);
    void CompatChkClick(bool checked);
};

} // namespace vimo
