#pragma once

#include "module/ConfigControls.h"
#include "module/IntervalEditor.h"

#include <QWidget>
#include <functional>
#include <vector>

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
    // Changes some of the controls as `change` says (a value restored from the settings).
    void editControls(const std::function<void(ConfigControls&)>& change);

    // The interval editor's panels and the "Total Record Time" line.
    void showInterval(const IntervalDisplay& display);

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
    // How one field of the configuration controls is shown and read back.
    struct Binding {
        std::function<void(const ConfigControls&)> show;
        std::function<void(ConfigControls&)> take;
    };

    QWidget* buildIntervalGroup();
    QWidget* buildOptionsGroup();
    QWidget* buildCalibrationGroup();
    RadioGroup* autoGroup(const char* name, const QString& title, const QStringList& rows);
    QWidget* buildF5jGroup();
    QWidget* buildCommandsGroup();
    QWidget* buildFirmwareGroup();
    void layOut();
    void bindControls();
    void connectControls();
    void changeUnits(int row);
    void toggleAutoZero(bool checked);
    void toggleCompatibility(bool checked);

    // Sampling interval editor: hours, minutes, seconds and milliseconds, each a read-out with its arrows.
    QLabel* m_intervalPanels[4] = {};
    SpinButtons* m_intervalArrows[4] = {};
    QLabel* m_recordTimeLine = nullptr; // "Total Record Time: ..."

    RadioGroup* m_unitsGroup = nullptr;
    QCheckBox* m_blankDisplayBox = nullptr;
    QCheckBox* m_recordTriggerBox = nullptr;
    QCheckBox* m_reverseTriggerBox = nullptr;

    QLineEdit* m_autoStartSecondsEdit = nullptr;
    QLineEdit* m_autoStartAltitudeEdit = nullptr;
    QLabel* m_autoStartUnits = nullptr;
    QLineEdit* m_autoStopSecondsEdit = nullptr;
    QLineEdit* m_autoStopAltitudeEdit = nullptr;
    QLabel* m_autoStopUnits = nullptr;
    RadioGroup* m_autoStartGroup = nullptr;
    RadioGroup* m_autoStopGroup = nullptr;
    RadioGroup* m_autoZeroGroup = nullptr;

    QGroupBox* m_f5jGroup = nullptr;
    QSlider* m_cutOffAltitudeBar = nullptr;
    QSlider* m_cutOffTimeBar = nullptr;
    QSlider* m_reenableDelayBar = nullptr;
    QCheckBox* m_autoZeroOnPowerupBox = nullptr;

    QLineEdit* m_calibrationAltitudeEdit = nullptr;
    QPushButton* m_calibrateButton = nullptr;

    QPushButton* m_readConfigButton = nullptr;
    QPushButton* m_writeConfigButton = nullptr;
    QPushButton* m_resetDefaultsButton = nullptr;
    QPushButton* m_resetModuleButton = nullptr;

    QLabel* m_firmwareVersionLabel = nullptr;
    QPushButton* m_updateFirmwareButton = nullptr;
    QCheckBox* m_partIsBlankBox = nullptr;
    QCheckBox* m_forceUpdateBox = nullptr;
    QCheckBox* m_manualEntryBox = nullptr;

    // Every field of the configuration controls with the control that shows it, in the order they are shown.
    std::vector<Binding> m_bindings;
};

} // namespace vimo
