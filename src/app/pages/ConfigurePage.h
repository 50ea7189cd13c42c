#pragma once

#include "module/ConfigControls.h"
#include "module/IntervalEditor.h"

#include <QWidget>
#include <functional>

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
// update. The page says what the user asked for and shows the values it is given; the module controller does
// the work.
class ConfigurePage : public QWidget {
    Q_OBJECT
public:
    explicit ConfigurePage(QWidget* parent = nullptr);

    // Shows the F5J group with the auto-zero box in place of the three auto groups, or the other way round.
    void showF5j(bool f5j);

    // The configuration record's controls: shown after a read, taken before a write. Setting them fires none of
    // the handlers that act on the user's own clicks.
    void setControls(const ConfigControls& controls);
    ConfigControls controls() const;

    // The interval editor's panels and the "Total Record Time" line.
    void showInterval(const IntervalDisplay& display);

    // Changes some of the controls as `change` says (a value restored from the settings).
    void editControls(const std::function<void(ConfigControls&)>& change);

    // The firmware version that "Download Info" read.
    void setFirmwareVersion(const QString& version);
    QString firmwareVersion() const;
    // The caption of the display box, which depends on the module's version.
    void setBlankCaption(const QString& caption);
    // The altitude typed for "Calibrate".
    QString calibrationAltitude() const;
    // After a write: the seconds as they were sent (kept within what the record can hold).
    void showSentSeconds(const QString& autoStartSeconds, const QString& autoStopSeconds);

    // The firmware update's choices.
    bool partIsBlank() const;
    void setPartIsBlank(bool blank);
    bool forceUpdate() const;
    bool manualEntry() const;

Q_SIGNALS:
    void readConfigRequested();
    void writeConfigRequested();
    void resetDefaultsRequested();
    void calibrateRequested();
    void resetModuleRequested();
    void updateFirmwareRequested();
    // An arrow of the interval editor: one step of `field` up or down.
    void intervalStepRequested(IntervalEditor::Field field, bool up);

private:
    void changeUnits(int row);
    void toggleAutoZero(bool checked);
    void toggleCompatibility(bool checked);

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
};

} // namespace vimo
