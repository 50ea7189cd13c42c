#include "app/pages/ConfigurePage.h"

#include "app/Controls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace vimo {
namespace {

template <class W>
W* named(W* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLineEdit* numberEdit(const char* name, const QString& text, QWidget* parent)
{
    auto* edit = named(new QLineEdit(text, parent), name);
    edit->setMaximumWidth(64);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

QLabel* unitsPanel(const char* name, QWidget* parent)
{
    auto* panel = named(new QLabel(QStringLiteral("Feet"), parent), name);
    panel->setMinimumWidth(48);
    return panel;
}

// One track bar of the F5J group with its caption and read-out.
QSlider* trackBar(const char* name, const TrackBarSpec& range, QWidget* parent)
{
    auto* bar = named(new QSlider(Qt::Horizontal, parent), name);
    bar->setRange(range.minimum, range.maximum);
    bar->setSingleStep(range.step);
    bar->setPageStep(range.step * 4);
    bar->setTickPosition(QSlider::TicksBelow);
    bar->setTickInterval((range.maximum - range.minimum) / 10);
    return bar;
}

QStringList names(const auto& table)
{
    QStringList list;
    for (const char* name : table)
        list.append(QString::fromLatin1(name));
    return list;
}

QLabel* trackReadout(const char* name, QWidget* parent)
{
    auto* panel = makeReadout(QLatin1String(name), QString(), readoutLime(), parent, 1);
    panel->setMinimumWidth(56);
    return panel;
}

// The edits of an automatic start or stop group: the seconds beside its second row, the altitude with its unit
// beside its third.
void addAutoEdits(RadioGroup* group, QLineEdit* seconds, QLineEdit* altitude, QLabel* units)
{
    group->grid()->addWidget(seconds, 1, 1);
    group->grid()->addWidget(new QLabel(QStringLiteral("sec"), group), 1, 2);
    group->grid()->addWidget(altitude, 2, 1);
    group->grid()->addWidget(units, 2, 2);
}

QPushButton* commandButton(const char* name, const QString& caption, const QString& tip, QWidget* parent)
{
    auto* button = named(new QPushButton(caption, parent), name);
    button->setToolTip(tip);
    return button;
}

// How each kind of control shows a field of the configuration controls.
bool valueOf(const QCheckBox* box)
{
    return box->isChecked();
}
void showValue(QCheckBox* box, bool on)
{
    box->setChecked(on);
}
int valueOf(const RadioGroup* group)
{
    return group->itemIndex();
}
void showValue(RadioGroup* group, int row)
{
    group->setItemIndex(row);
}
int valueOf(const QSlider* bar)
{
    return bar->value();
}
void showValue(QSlider* bar, int position)
{
    bar->setValue(position);
}
QString valueOf(const QLineEdit* edit)
{
    return edit->text();
}
void showValue(QLineEdit* edit, const QString& text)
{
    edit->setText(text);
}

} // namespace

ConfigurePage::ConfigurePage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ConfigurePage"));
    layOut();
    showF5j(false);
    bindControls();
    connectControls();
}

// Three columns: the interval, units, options and calibration; the automatic start, stop and zero (or the F5J
// group); the module commands and the firmware update.
void ConfigurePage::layOut()
{
    auto* left = new QVBoxLayout;
    left->addWidget(buildIntervalGroup());
    m_unitsGroup =
        new RadioGroup(QStringLiteral("UnitsGrp"), QStringLiteral("Altitude Units"), names(unitNames), this, 3);
    m_unitsGroup->setItemIndex(0);
    left->addWidget(m_unitsGroup);
    left->addWidget(buildOptionsGroup());
    left->addWidget(buildCalibrationGroup());
    left->addStretch(1);

    m_autoStartGroup = autoGroup("AutoStartGrp", QStringLiteral("Auto Start Recording"), names(autoStartNames));
    m_autoStartSecondsEdit = numberEdit("AutoStartSecEdit", QStringLiteral("10"), m_autoStartGroup);
    m_autoStartAltitudeEdit = numberEdit("AutoStartAltitudeEdit", QStringLiteral("20"), m_autoStartGroup);
    m_autoStartUnits = unitsPanel("AboveUnitsPanel", m_autoStartGroup);
    addAutoEdits(m_autoStartGroup, m_autoStartSecondsEdit, m_autoStartAltitudeEdit, m_autoStartUnits);
    m_autoStopGroup = autoGroup("AutoStopGrp", QStringLiteral("Auto Stop Recording"), names(autoStopNames));
    m_autoStopSecondsEdit = numberEdit("AutoStopSecEdit", QStringLiteral("60"), m_autoStopGroup);
    m_autoStopAltitudeEdit = numberEdit("AutoStopAltitudeEdit", QStringLiteral("15"), m_autoStopGroup);
    m_autoStopUnits = unitsPanel("BelowUnitsPanel", m_autoStopGroup);
    addAutoEdits(m_autoStopGroup, m_autoStopSecondsEdit, m_autoStopAltitudeEdit, m_autoStopUnits);
    m_autoZeroGroup = autoGroup("AutoZeroGrp", QStringLiteral("Auto Zero Altitude"), names(autoZeroNames));
    auto* middle = new QVBoxLayout;
    for (QWidget* group : {static_cast<QWidget*>(m_autoStartGroup), static_cast<QWidget*>(m_autoStopGroup),
                           static_cast<QWidget*>(m_autoZeroGroup), buildF5jGroup()})
        middle->addWidget(group);
    m_autoZeroOnPowerupBox = named(new QCheckBox(QStringLiteral("Auto Zero Altitude on Powerup"), this), "AutoZeroChk");
    middle->addWidget(m_autoZeroOnPowerupBox);
    middle->addStretch(1);

    auto* right = new QVBoxLayout;
    right->addWidget(buildCommandsGroup());
    right->addWidget(buildFirmwareGroup());
    right->addStretch(1);

    // The interval editor and its total take the room; the other two columns keep to their contents.
    auto* page = new QHBoxLayout(this);
    page->addLayout(left, 1);
    page->addLayout(middle);
    page->addLayout(right);
}

// Sampling interval: four black panels with lime digits, each with its arrows, and the total record time.
QWidget* ConfigurePage::buildIntervalGroup()
{
    auto* interval = new QGroupBox(QStringLiteral("Sampling Interval"), this);
    auto* grid = new QGridLayout(interval);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(2);
    const struct {
        const char* panel;
        const char* text;
        const char* arrows;
        const char* caption;
    } fields[] = {{"HourPanel", "0", "HourSpin", "Hours"},
                  {"MinutePanel", "00", "MinSpin", "Minutes"},
                  {"SecondPanel", "00", "SecSpin", "Seconds"},
                  {"mSecPanel", "100", "mSecSpin", "milliSeconds"}};
    for (int i = 0; i < 4; ++i) {
        m_intervalPanels[i] =
            makeReadout(QLatin1String(fields[i].panel), QLatin1String(fields[i].text), readoutLime(), interval);
        m_intervalPanels[i]->setMinimumWidth(i == 3 ? 52 : 40);
        m_intervalArrows[i] = new SpinButtons(QLatin1String(fields[i].arrows), interval);
        grid->addWidget(m_intervalPanels[i], 0, 3 * i);
        grid->addWidget(m_intervalArrows[i], 0, 3 * i + 1);
        auto* caption = new QLabel(QLatin1String(fields[i].caption), interval);
        caption->setAlignment(Qt::AlignCenter);
        grid->addWidget(caption, 1, 3 * i, 1, 2);
        if (i < 3)
            grid->setColumnMinimumWidth(3 * i + 2, 10);
    }
    m_recordTimeLine = named(new QLabel(interval), "Msg1");
    m_recordTimeLine->setWordWrap(true);
    grid->addWidget(m_recordTimeLine, 2, 0, 1, 12);
    grid->setRowMinimumHeight(2, 24);
    return interval;
}

QWidget* ConfigurePage::buildOptionsGroup()
{
    auto* options = new QGroupBox(QStringLiteral("Options"), this);
    auto* rows = new QVBoxLayout(options);
    rows->setSpacing(2);
    m_blankDisplayBox = named(new QCheckBox(QStringLiteral("Blank display after 30 seconds"), options), "BlankChk");
    m_blankDisplayBox->setChecked(true);
    m_recordTriggerBox = named(new QCheckBox(QStringLiteral("Record External Trigger"), options), "TrigChk");
    m_reverseTriggerBox = named(new QCheckBox(QStringLiteral("Reverse Trigger Direction"), options), "RevTrigChk");
    rows->addWidget(m_blankDisplayBox);
    rows->addWidget(m_recordTriggerBox);
    rows->addWidget(m_reverseTriggerBox);
    return options;
}

QWidget* ConfigurePage::buildCalibrationGroup()
{
    auto* calibration = new QGroupBox(QStringLiteral("Calibration"), this);
    auto* grid = new QGridLayout(calibration);
    auto* text = new QLabel(QStringLiteral("Enter actual current altitude from known standard:"), calibration);
    text->setWordWrap(true);
    m_calibrationAltitudeEdit = numberEdit("AltCalEdit", QString(), calibration);
    auto* altitudeLabel = new QLabel(QStringLiteral("Altitude"), calibration);
    altitudeLabel->setBuddy(m_calibrationAltitudeEdit);
    m_calibrateButton = named(new QPushButton(QStringLiteral("Calibrate"), calibration), "CalBtn");
    grid->addWidget(text, 0, 0, 1, 4);
    grid->addWidget(altitudeLabel, 1, 0);
    grid->addWidget(m_calibrationAltitudeEdit, 1, 1);
    grid->setColumnStretch(2, 1);
    grid->addWidget(m_calibrateButton, 1, 3);
    return calibration;
}

// A group of the automatic start, stop or zero, its first row chosen.
RadioGroup* ConfigurePage::autoGroup(const char* name, const QString& title, const QStringList& rows)
{
    auto* group = new RadioGroup(QLatin1String(name), title, rows, this);
    group->setItemIndex(0);
    group->setMaximumWidth(230);
    return group;
}

// The F5J variant's throttle cut-off, shown in place of the auto groups.
QWidget* ConfigurePage::buildF5jGroup()
{
    m_f5jGroup = named(new QGroupBox(QStringLiteral("F5J Settings"), this), "ZF5J_Grp");
    m_f5jGroup->setMaximumWidth(230);
    auto* grid = new QGridLayout(m_f5jGroup);
    m_cutOffAltitudeBar = trackBar("ZCutBar", kZCutBar, m_f5jGroup);
    m_cutOffTimeBar = trackBar("T1Bar", kT1Bar, m_f5jGroup);
    m_reenableDelayBar = trackBar("T2Bar", kT2Bar, m_f5jGroup);
    const struct {
        QSlider* bar;
        const char* readout;
        const char* caption;
        TrackBarSpec range;
    } bars[] = {{m_cutOffAltitudeBar, "ZCutDisp", "Throttle Cutoff Altitude", kZCutBar},
                {m_cutOffTimeBar, "ZT1Disp", "Throttle Cutoff Time Limit (s)", kT1Bar},
                {m_reenableDelayBar, "ZT2Disp", "Throttle Re-enable Time Delay (s)", kT2Bar}};
    for (int i = 0; i < 3; ++i) {
        QLabel* readout = trackReadout(bars[i].readout, m_f5jGroup);
        grid->addWidget(new QLabel(QLatin1String(bars[i].caption), m_f5jGroup), 2 * i, 0, 1, 2);
        grid->addWidget(bars[i].bar, 2 * i + 1, 0);
        grid->addWidget(readout, 2 * i + 1, 1);
        readout->setText(QString::number(bars[i].bar->value()));
        // A position between two steps moves up to the next step, also when the program sets it.
        connect(bars[i].bar, &QSlider::valueChanged, this,
                [bar = bars[i].bar, readout, range = bars[i].range](int position) {
                    const int snapped = snapTrackBar(position, range);
                    if (snapped != position)
                        bar->setValue(snapped);
                    else
                        readout->setText(QString::number(position));
                });
    }
    return m_f5jGroup;
}

QWidget* ConfigurePage::buildCommandsGroup()
{
    auto* commands = new QGroupBox(QStringLiteral("Configuration"), this);
    commands->setMaximumWidth(170);
    auto* column = new QVBoxLayout(commands);
    m_readConfigButton = commandButton("ReadCfgBtn", QStringLiteral("Read Config"),
                                       QStringLiteral("Read the configuration from the module"), commands);
    m_writeConfigButton = commandButton("WriteCfgBtn", QStringLiteral("Write Config"),
                                        QStringLiteral("Write this configuration to the module"), commands);
    m_resetDefaultsButton = commandButton("BitBtn1", QStringLiteral("Reset Defaults"),
                                          QStringLiteral("Restore the module's default configuration"), commands);
    m_resetModuleButton =
        commandButton("ResetModuleBtn", QStringLiteral("Reset Module"), QStringLiteral("Restart the module"), commands);
    column->addWidget(m_readConfigButton);
    column->addWidget(m_writeConfigButton);
    column->addSpacing(10);
    column->addWidget(m_resetDefaultsButton);
    column->addWidget(m_resetModuleButton);
    return commands;
}

QWidget* ConfigurePage::buildFirmwareGroup()
{
    auto* firmware = new QGroupBox(QStringLiteral("Firmware"), this);
    firmware->setMaximumWidth(170);
    auto* versionRow = new QHBoxLayout;
    versionRow->addWidget(new QLabel(QStringLiteral("Firmware Version:"), firmware));
    m_firmwareVersionLabel = named(new QLabel(firmware), "FirmwareVersionDisp");
    QFont versionFont = m_firmwareVersionLabel->font();
    versionFont.setBold(true);
    m_firmwareVersionLabel->setFont(versionFont);
    versionRow->addWidget(m_firmwareVersionLabel, 1);
    m_updateFirmwareButton =
        commandButton("UpdateBtn", QStringLiteral("Update Firmware"),
                      QStringLiteral("Replace the module's firmware from an Intel HEX file"), firmware);
    m_partIsBlankBox = named(new QCheckBox(QStringLiteral("Part is Blank"), firmware), "BlankPartChk");
    m_forceUpdateBox = named(new QCheckBox(QStringLiteral("Force Update"), firmware), "ForceChk");
    m_manualEntryBox = named(new QCheckBox(QStringLiteral("Update trouble?  Try me."), firmware), "CompatChk");
    m_manualEntryBox->setVisible(false);
    auto* column = new QVBoxLayout(firmware);
    column->addLayout(versionRow);
    column->addWidget(m_updateFirmwareButton);
    column->addWidget(m_partIsBlankBox);
    column->addWidget(m_forceUpdateBox);
    column->addWidget(m_manualEntryBox);
    return firmware;
}

// Each field of the configuration controls beside the control that shows it; setControls() and controls() are
// this list read in one direction or the other.
void ConfigurePage::bindControls()
{
    const auto bind = [this](auto ConfigControls::*field, auto* control) {
        m_bindings.push_back({[field, control](const ConfigControls& c) { showValue(control, c.*field); },
                              [field, control](ConfigControls& c) { c.*field = valueOf(control); }});
    };
    bind(&ConfigControls::unitsRow, m_unitsGroup);
    // The units beside the altitude edits follow the units row; they are no field of their own.
    m_bindings.push_back({[this](const ConfigControls& c) {
                              m_autoStartUnits->setText(c.unitsText());
                              m_autoStopUnits->setText(c.unitsText());
                          },
                          [](ConfigControls&) {}});
    bind(&ConfigControls::blankChecked, m_blankDisplayBox);
    m_bindings.push_back({[this](const ConfigControls& c) { m_blankDisplayBox->setText(c.blankCaption); },
                          [this](ConfigControls& c) { c.blankCaption = m_blankDisplayBox->text(); }});
    bind(&ConfigControls::trigChecked, m_recordTriggerBox);
    bind(&ConfigControls::revTrigChecked, m_reverseTriggerBox);
    bind(&ConfigControls::zCutBar, m_cutOffAltitudeBar);
    bind(&ConfigControls::t1Bar, m_cutOffTimeBar);
    bind(&ConfigControls::t2Bar, m_reenableDelayBar);
    bind(&ConfigControls::autoStartRow, m_autoStartGroup);
    bind(&ConfigControls::autoStartSecText, m_autoStartSecondsEdit);
    bind(&ConfigControls::autoStartAltitudeText, m_autoStartAltitudeEdit);
    bind(&ConfigControls::autoStopRow, m_autoStopGroup);
    bind(&ConfigControls::autoStopSecText, m_autoStopSecondsEdit);
    bind(&ConfigControls::autoStopAltitudeText, m_autoStopAltitudeEdit);
    bind(&ConfigControls::autoZeroRow, m_autoZeroGroup);
    bind(&ConfigControls::autoZeroChecked, m_autoZeroOnPowerupBox);
    m_bindings.push_back({[this](const ConfigControls& c) { showF5j(c.f5jVisible); },
                          [this](ConfigControls& c) { c.f5jVisible = !m_f5jGroup->isHidden(); }});
}

void ConfigurePage::connectControls()
{
    connect(m_unitsGroup, &RadioGroup::itemClicked, this, &ConfigurePage::changeUnits);
    connect(m_autoZeroOnPowerupBox, &QCheckBox::clicked, this, &ConfigurePage::toggleAutoZero);
    connect(m_manualEntryBox, &QCheckBox::clicked, this, &ConfigurePage::toggleCompatibility);

    connect(m_readConfigButton, &QPushButton::clicked, this, &ConfigurePage::readConfigRequested);
    connect(m_writeConfigButton, &QPushButton::clicked, this, &ConfigurePage::writeConfigRequested);
    connect(m_resetDefaultsButton, &QPushButton::clicked, this, &ConfigurePage::resetDefaultsRequested);
    connect(m_calibrateButton, &QPushButton::clicked, this, &ConfigurePage::calibrateRequested);
    connect(m_resetModuleButton, &QPushButton::clicked, this, &ConfigurePage::resetModuleRequested);
    connect(m_updateFirmwareButton, &QPushButton::clicked, this, &ConfigurePage::updateFirmwareRequested);
    const IntervalEditor::Field fields[] = {IntervalEditor::Hours, IntervalEditor::Minutes, IntervalEditor::Seconds,
                                            IntervalEditor::Milliseconds};
    for (int i = 0; i < 4; ++i) {
        const IntervalEditor::Field field = fields[i];
        connect(m_intervalArrows[i], &SpinButtons::up, this,
                [this, field] { Q_EMIT intervalStepRequested(field, true); });
        connect(m_intervalArrows[i], &SpinButtons::down, this,
                [this, field] { Q_EMIT intervalStepRequested(field, false); });
    }
}

void ConfigurePage::setFirmwareVersion(const QString& version)
{
    m_firmwareVersionLabel->setText(version);
}

QString ConfigurePage::firmwareVersion() const
{
    return m_firmwareVersionLabel->text();
}

void ConfigurePage::setBlankCaption(const QString& caption)
{
    m_blankDisplayBox->setText(caption);
}

QString ConfigurePage::calibrationAltitude() const
{
    return m_calibrationAltitudeEdit->text();
}

void ConfigurePage::showSentSeconds(const QString& autoStartSeconds, const QString& autoStopSeconds)
{
    m_autoStartSecondsEdit->setText(autoStartSeconds);
    m_autoStopSecondsEdit->setText(autoStopSeconds);
}

bool ConfigurePage::partIsBlank() const
{
    return m_partIsBlankBox->isChecked();
}

void ConfigurePage::setPartIsBlank(bool blank)
{
    m_partIsBlankBox->setChecked(blank);
}

bool ConfigurePage::forceUpdate() const
{
    return m_forceUpdateBox->isChecked();
}

bool ConfigurePage::manualEntry() const
{
    return m_manualEntryBox->isChecked();
}

void ConfigurePage::changeUnits(int row)
{
    m_autoStartUnits->setText(unitName(row));
    m_autoStopUnits->setText(unitName(row));
}

void ConfigurePage::toggleAutoZero(bool checked)
{
    ConfigControls c = controls();
    c.setAutoZeroChecked(checked);
    m_autoZeroGroup->setItemIndex(c.autoZeroRow);
}

// Entering the boot loader by hand cannot go with "Part is Blank".
void ConfigurePage::toggleCompatibility(bool checked)
{
    if (checked)
        m_partIsBlankBox->setChecked(false);
    m_partIsBlankBox->setEnabled(!checked);
}

void ConfigurePage::setControls(const ConfigControls& c)
{
    for (const Binding& binding : m_bindings)
        binding.show(c);
}

ConfigControls ConfigurePage::controls() const
{
    ConfigControls c;
    for (const Binding& binding : m_bindings)
        binding.take(c);
    return c;
}

void ConfigurePage::editControls(const std::function<void(ConfigControls&)>& change)
{
    ConfigControls c = controls();
    change(c);
    setControls(c);
}

void ConfigurePage::showInterval(const IntervalDisplay& display)
{
    const QString* texts[] = {&display.hours, &display.minutes, &display.seconds, &display.milliseconds};
    for (int i = 0; i < 4; ++i)
        m_intervalPanels[i]->setText(*texts[i]);
    m_recordTimeLine->setText(display.totalRecordTime);
}

void ConfigurePage::showF5j(bool f5j)
{
    m_autoStartGroup->setVisible(!f5j);
    m_autoStopGroup->setVisible(!f5j);
    m_autoZeroGroup->setVisible(!f5j);
    m_f5jGroup->setVisible(f5j);
    m_autoZeroOnPowerupBox->setVisible(f5j);
}

} // namespace vimo
