#include "app/pages/ConfigurePage.h"

#include "app/Controls.h"
#include "data/CFormat.h"

#include <QCheckBox>
#include <algorithm>
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

} // namespace

ConfigurePage::ConfigurePage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ConfigurePage"));

    // Sampling interval: four black panels with lime digits, each with its spin buttons.
    auto* interval = new QGroupBox(QStringLiteral("Sampling Interval"), this);
    auto* intervalGrid = new QGridLayout(interval);
    intervalGrid->setHorizontalSpacing(2);
    intervalGrid->setVerticalSpacing(2);
    HourPanel = makeReadout(QStringLiteral("HourPanel"), QStringLiteral("0"), readoutLime(), interval);
    MinutePanel = makeReadout(QStringLiteral("MinutePanel"), QStringLiteral("00"), readoutLime(), interval);
    SecondPanel = makeReadout(QStringLiteral("SecondPanel"), QStringLiteral("00"), readoutLime(), interval);
    mSecPanel = makeReadout(QStringLiteral("mSecPanel"), QStringLiteral("100"), readoutLime(), interval);
    HourSpin = new SpinButtons(QStringLiteral("HourSpin"), interval);
    MinSpin = new SpinButtons(QStringLiteral("MinSpin"), interval);
    SecSpin = new SpinButtons(QStringLiteral("SecSpin"), interval);
    mSecSpin = new SpinButtons(QStringLiteral("mSecSpin"), interval);
    const QList<QLabel*> panels = {HourPanel, MinutePanel, SecondPanel, mSecPanel};
    const QList<SpinButtons*> spins = {HourSpin, MinSpin, SecSpin, mSecSpin};
    const QStringList captions = {QStringLiteral("Hours"), QStringLiteral("Minutes"), QStringLiteral("Seconds"),
                                  QStringLiteral("milliSeconds")};
    for (int i = 0; i < 4; ++i) {
        panels[i]->setMinimumWidth(i == 3 ? 52 : 40);
        intervalGrid->addWidget(panels[i], 0, 3 * i);
        intervalGrid->addWidget(spins[i], 0, 3 * i + 1);
        auto* caption = new QLabel(captions[i], interval);
        caption->setAlignment(Qt::AlignCenter);
        intervalGrid->addWidget(caption, 1, 3 * i, 1, 2);
        if (i < 3)
            intervalGrid->setColumnMinimumWidth(3 * i + 2, 10);
    }
    Msg1 = named(new QLabel(interval), "Msg1");
    Msg1->setWordWrap(true);
    intervalGrid->addWidget(Msg1, 2, 0, 1, 12);
    intervalGrid->setRowMinimumHeight(2, 24);

    UnitsGrp = new RadioGroup(QStringLiteral("UnitsGrp"), QStringLiteral("Altitude Units"),
                              names(unitNames), this, 3);
    UnitsGrp->setItemIndex(0);

    auto* options = new QGroupBox(QStringLiteral("Options"), this);
    auto* optionsLayout = new QVBoxLayout(options);
    optionsLayout->setSpacing(2);
    BlankChk = named(new QCheckBox(QStringLiteral("Blank display after 30 seconds"), options), "BlankChk");
    BlankChk->setChecked(true);
    TrigChk = named(new QCheckBox(QStringLiteral("Record External Trigger"), options), "TrigChk");
    RevTrigChk = named(new QCheckBox(QStringLiteral("Reverse Trigger Direction"), options), "RevTrigChk");
    optionsLayout->addWidget(BlankChk);
    optionsLayout->addWidget(TrigChk);
    optionsLayout->addWidget(RevTrigChk);

    auto* calibration = new QGroupBox(QStringLiteral("Calibration"), this);
    auto* calibrationGrid = new QGridLayout(calibration);
    auto* calibrationText = new QLabel(QStringLiteral("Enter actual current altitude from known standard:"), calibration);
    calibrationText->setWordWrap(true);
    AltCalEdit = numberEdit("AltCalEdit", QString(), calibration);
    auto* altitudeLabel = new QLabel(QStringLiteral("Altitude"), calibration);
    altitudeLabel->setBuddy(AltCalEdit);
    CalBtn = named(new QPushButton(QStringLiteral("Calibrate"), calibration), "CalBtn");
    calibrationGrid->addWidget(calibrationText, 0, 0, 1, 4);
    calibrationGrid->addWidget(altitudeLabel, 1, 0);
    calibrationGrid->addWidget(AltCalEdit, 1, 1);
    calibrationGrid->setColumnStretch(2, 1);
    calibrationGrid->addWidget(CalBtn, 1, 3);

    auto* left = new QVBoxLayout;
    left->addWidget(interval);
    left->addWidget(UnitsGrp);
    left->addWidget(options);
    left->addWidget(calibration);
    left->addStretch(1);

    // Automatic start, stop and zero; each edit sits beside the choice it belongs to.
    AutoStartGrp = new RadioGroup(QStringLiteral("AutoStartGrp"), QStringLiteral("Auto Start Recording"),
                                  names(autoStartNames),
                                  this);
    AutoStartSecEdit = numberEdit("AutoStartSecEdit", QStringLiteral("10"), AutoStartGrp);
    AutoStartAltitudeEdit = numberEdit("AutoStartAltitudeEdit", QStringLiteral("20"), AutoStartGrp);
    AboveUnitsPanel = unitsPanel("AboveUnitsPanel", AutoStartGrp);
    AutoStartGrp->grid()->addWidget(AutoStartSecEdit, 1, 1);
    AutoStartGrp->grid()->addWidget(new QLabel(QStringLiteral("sec"), AutoStartGrp), 1, 2);
    AutoStartGrp->grid()->addWidget(AutoStartAltitudeEdit, 2, 1);
    AutoStartGrp->grid()->addWidget(AboveUnitsPanel, 2, 2);
    AutoStartGrp->setItemIndex(0);

    AutoStopGrp = new RadioGroup(QStringLiteral("AutoStopGrp"), QStringLiteral("Auto Stop Recording"),
                                 names(autoStopNames),
                                 this);
    AutoStopSecEdit = numberEdit("AutoStopSecEdit", QStringLiteral("60"), AutoStopGrp);
    AutoStopAltitudeEdit = numberEdit("AutoStopAltitudeEdit", QStringLiteral("15"), AutoStopGrp);
    BelowUnitsPanel = unitsPanel("BelowUnitsPanel", AutoStopGrp);
    AutoStopGrp->grid()->addWidget(AutoStopSecEdit, 1, 1);
    AutoStopGrp->grid()->addWidget(new QLabel(QStringLiteral("sec"), AutoStopGrp), 1, 2);
    AutoStopGrp->grid()->addWidget(AutoStopAltitudeEdit, 2, 1);
    AutoStopGrp->grid()->addWidget(BelowUnitsPanel, 2, 2);
    AutoStopGrp->setItemIndex(0);

    AutoZeroGrp = new RadioGroup(QStringLiteral("AutoZeroGrp"), QStringLiteral("Auto Zero Altitude"),
                                 names(autoZeroNames),
                                 this);
    AutoZeroGrp->setItemIndex(0);

    // The F5J variant's throttle cut-off, shown in place of the auto groups.
    ZF5J_Grp = named(new QGroupBox(QStringLiteral("F5J Settings"), this), "ZF5J_Grp");
    auto* f5jGrid = new QGridLayout(ZF5J_Grp);
    ZCutBar = trackBar("ZCutBar", kZCutBar, ZF5J_Grp);
    T1Bar = trackBar("T1Bar", kT1Bar, ZF5J_Grp);
    T2Bar = trackBar("T2Bar", kT2Bar, ZF5J_Grp);
    ZCutDisp = trackReadout("ZCutDisp", ZF5J_Grp);
    ZT1Disp = trackReadout("ZT1Disp", ZF5J_Grp);
    ZT2Disp = trackReadout("ZT2Disp", ZF5J_Grp);
    const QList<QSlider*> bars = {ZCutBar, T1Bar, T2Bar};
    const QList<QLabel*> readouts = {ZCutDisp, ZT1Disp, ZT2Disp};
    const QStringList barCaptions = {QStringLiteral("Throttle Cutoff Altitude"),
                                     QStringLiteral("Throttle Cutoff Time Limit (s)"),
                                     QStringLiteral("Throttle Re-enable Time Delay (s)")};
    const QList<TrackBarSpec> ranges = {kZCutBar, kT1Bar, kT2Bar};
    for (int i = 0; i < 3; ++i) {
        f5jGrid->addWidget(new QLabel(barCaptions[i], ZF5J_Grp), 2 * i, 0, 1, 2);
        f5jGrid->addWidget(bars[i], 2 * i + 1, 0);
        f5jGrid->addWidget(readouts[i], 2 * i + 1, 1);
        readouts[i]->setText(QString::number(bars[i]->value()));
        // A position between two steps moves up to the next step, also when the program sets it.
        connect(bars[i], &QSlider::valueChanged, this, [bar = bars[i], readout = readouts[i], range = ranges[i]](int p) {
            const int snapped = snapTrackBar(p, range);
            if (snapped != p)
                bar->setValue(snapped);
            else
                readout->setText(QString::number(p));
        });
    }
    AutoZeroChk = named(new QCheckBox(QStringLiteral("Auto Zero Altitude on Powerup"), this), "AutoZeroChk");

    auto* middle = new QVBoxLayout;
    middle->addWidget(AutoStartGrp);
    middle->addWidget(AutoStopGrp);
    middle->addWidget(AutoZeroGrp);
    middle->addWidget(ZF5J_Grp);
    middle->addWidget(AutoZeroChk);
    middle->addStretch(1);

    // Module commands and the firmware update.
    auto* commands = new QGroupBox(QStringLiteral("Configuration"), this);
    auto* commandsLayout = new QVBoxLayout(commands);
    ReadCfgBtn = named(new QPushButton(QStringLiteral("Read Config"), commands), "ReadCfgBtn");
    WriteCfgBtn = named(new QPushButton(QStringLiteral("Write Config"), commands), "WriteCfgBtn");
    BitBtn1 = named(new QPushButton(QStringLiteral("Reset Defaults"), commands), "BitBtn1");
    ResetModuleBtn = named(new QPushButton(QStringLiteral("Reset Module"), commands), "ResetModuleBtn");
    ReadCfgBtn->setToolTip(QStringLiteral("Read the configuration from the module"));
    WriteCfgBtn->setToolTip(QStringLiteral("Write this configuration to the module"));
    BitBtn1->setToolTip(QStringLiteral("Restore the module's default configuration"));
    ResetModuleBtn->setToolTip(QStringLiteral("Restart the module"));
    commandsLayout->addWidget(ReadCfgBtn);
    commandsLayout->addWidget(WriteCfgBtn);
    commandsLayout->addSpacing(10);
    commandsLayout->addWidget(BitBtn1);
    commandsLayout->addWidget(ResetModuleBtn);

    auto* firmware = new QGroupBox(QStringLiteral("Firmware"), this);
    auto* firmwareLayout = new QVBoxLayout(firmware);
    auto* versionRow = new QHBoxLayout;
    versionRow->addWidget(new QLabel(QStringLiteral("Firmware Version:"), firmware));
    FirmwareVersionDisp = named(new QLabel(firmware), "FirmwareVersionDisp");
    QFont versionFont = FirmwareVersionDisp->font();
    versionFont.setBold(true);
    FirmwareVersionDisp->setFont(versionFont);
    versionRow->addWidget(FirmwareVersionDisp, 1);
    UpdateBtn = named(new QPushButton(QStringLiteral("Update Firmware"), firmware), "UpdateBtn");
    UpdateBtn->setToolTip(QStringLiteral("Replace the module's firmware from an Intel HEX file"));
    BlankPartChk = named(new QCheckBox(QStringLiteral("Part is Blank"), firmware), "BlankPartChk");
    ForceChk = named(new QCheckBox(QStringLiteral("Force Update"), firmware), "ForceChk");
    CompatChk = named(new QCheckBox(QStringLiteral("Update trouble?  Try me."), firmware), "CompatChk");
    CompatChk->setVisible(false);
    firmwareLayout->addLayout(versionRow);
    firmwareLayout->addWidget(UpdateBtn);
    firmwareLayout->addWidget(BlankPartChk);
    firmwareLayout->addWidget(ForceChk);
    firmwareLayout->addWidget(CompatChk);

    auto* right = new QVBoxLayout;
    right->addWidget(commands);
    right->addWidget(firmware);
    right->addStretch(1);

    // The interval editor and its total take the room; the other two columns keep to their contents.
    for (QWidget* w : std::initializer_list<QWidget*>{AutoStartGrp, AutoStopGrp, AutoZeroGrp, ZF5J_Grp})
        w->setMaximumWidth(230);
    commands->setMaximumWidth(170);
    firmware->setMaximumWidth(170);
    auto* page = new QHBoxLayout(this);
    page->addLayout(left, 1);
    page->addLayout(middle);
    page->addLayout(right);

    showF5j(false);

    connect(UnitsGrp, &RadioGroup::itemClicked, this, &ConfigurePage::changeUnits);
    connect(AutoZeroChk, &QCheckBox::clicked, this, &ConfigurePage::toggleAutoZero);
    connect(CompatChk, &QCheckBox::clicked, this, &ConfigurePage::toggleCompatibility);

    connect(ReadCfgBtn, &QPushButton::clicked, this, &ConfigurePage::readConfigRequested);
    connect(WriteCfgBtn, &QPushButton::clicked, this, &ConfigurePage::writeConfigRequested);
    connect(BitBtn1, &QPushButton::clicked, this, &ConfigurePage::resetDefaultsRequested);
    connect(CalBtn, &QPushButton::clicked, this, &ConfigurePage::calibrateRequested);
    connect(ResetModuleBtn, &QPushButton::clicked, this, &ConfigurePage::resetModuleRequested);
    connect(UpdateBtn, &QPushButton::clicked, this, &ConfigurePage::updateFirmwareRequested);
    const std::pair<SpinButtons*, IntervalEditor::Field> arrows[] = {
        {HourSpin, IntervalEditor::Hours},
        {MinSpin, IntervalEditor::Minutes},
        {SecSpin, IntervalEditor::Seconds},
        {mSecSpin, IntervalEditor::Milliseconds},
    };
    for (const auto& [buttons, field] : arrows) {
        connect(buttons, &SpinButtons::up, this, [this, field = field] { Q_EMIT intervalStepRequested(field, true); });
        connect(buttons, &SpinButtons::down, this,
                [this, field = field] { Q_EMIT intervalStepRequested(field, false); });
    }
}

void ConfigurePage::setFirmwareVersion(const QString& version)
{
    FirmwareVersionDisp->setText(version);
}

QString ConfigurePage::firmwareVersion() const
{
    return FirmwareVersionDisp->text();
}

void ConfigurePage::setBlankCaption(const QString& caption)
{
    BlankChk->setText(caption);
}

QString ConfigurePage::calibrationAltitude() const
{
    return AltCalEdit->text();
}

void ConfigurePage::showSentSeconds(const QString& autoStartSeconds, const QString& autoStopSeconds)
{
    AutoStartSecEdit->setText(autoStartSeconds);
    AutoStopSecEdit->setText(autoStopSeconds);
}

bool ConfigurePage::partIsBlank() const
{
    return BlankPartChk->isChecked();
}

void ConfigurePage::setPartIsBlank(bool blank)
{
    BlankPartChk->setChecked(blank);
}

bool ConfigurePage::forceUpdate() const
{
    return ForceChk->isChecked();
}

bool ConfigurePage::manualEntry() const
{
    return CompatChk->isChecked();
}

void ConfigurePage::changeUnits(int row)
{
    AboveUnitsPanel->setText(unitName(row));
    BelowUnitsPanel->setText(unitName(row));
}

void ConfigurePage::toggleAutoZero(bool checked)
{
    ConfigControls c = controls();
    c.setAutoZeroChecked(checked);
    AutoZeroGrp->setItemIndex(c.autoZeroRow);
}

// Entering the boot loader by hand cannot go with "Part is Blank".
void ConfigurePage::toggleCompatibility(bool checked)
{
    if (checked)
        BlankPartChk->setChecked(false);
    BlankPartChk->setEnabled(!checked);
}

void ConfigurePage::setControls(const ConfigControls& c)
{
    UnitsGrp->setItemIndex(c.unitsRow);
    AboveUnitsPanel->setText(c.unitsText());
    BelowUnitsPanel->setText(c.unitsText());
    BlankChk->setChecked(c.blankChecked);
    BlankChk->setText(c.blankCaption);
    TrigChk->setChecked(c.trigChecked);
    RevTrigChk->setChecked(c.revTrigChecked);
    ZCutBar->setValue(c.zCutBar);
    T1Bar->setValue(c.t1Bar);
    T2Bar->setValue(c.t2Bar);
    AutoStartGrp->setItemIndex(c.autoStartRow);
    AutoStartSecEdit->setText(c.autoStartSecText);
    AutoStartAltitudeEdit->setText(c.autoStartAltitudeText);
    AutoStopGrp->setItemIndex(c.autoStopRow);
    AutoStopSecEdit->setText(c.autoStopSecText);
    AutoStopAltitudeEdit->setText(c.autoStopAltitudeText);
    AutoZeroGrp->setItemIndex(c.autoZeroRow);
    AutoZeroChk->setChecked(c.autoZeroChecked);
    showF5j(c.f5jVisible);
}

ConfigControls ConfigurePage::controls() const
{
    ConfigControls c;
    c.unitsRow = UnitsGrp->itemIndex();
    c.blankChecked = BlankChk->isChecked();
    c.blankCaption = BlankChk->text();
    c.trigChecked = TrigChk->isChecked();
    c.revTrigChecked = RevTrigChk->isChecked();
    c.zCutBar = ZCutBar->value();
    c.t1Bar = T1Bar->value();
    c.t2Bar = T2Bar->value();
    c.autoStartRow = AutoStartGrp->itemIndex();
    c.autoStartSecText = AutoStartSecEdit->text();
    c.autoStartAltitudeText = AutoStartAltitudeEdit->text();
    c.autoStopRow = AutoStopGrp->itemIndex();
    c.autoStopSecText = AutoStopSecEdit->text();
    c.autoStopAltitudeText = AutoStopAltitudeEdit->text();
    c.autoZeroRow = AutoZeroGrp->itemIndex();
    c.autoZeroChecked = AutoZeroChk->isChecked();
    c.f5jVisible = !ZF5J_Grp->isHidden();
    return c;
}

void ConfigurePage::showInterval(const IntervalDisplay& display)
{
    HourPanel->setText(display.hours);
    MinutePanel->setText(display.minutes);
    SecondPanel->setText(display.seconds);
    mSecPanel->setText(display.milliseconds);
    Msg1->setText(display.totalRecordTime);
}

void ConfigurePage::editControls(const std::function<void(ConfigControls&)>& change)
{
    ConfigControls c = controls();
    change(c);
    setControls(c);
}

void ConfigurePage::showF5j(bool f5j)
{
    AutoStartGrp->setVisible(!f5j);
    AutoStopGrp->setVisible(!f5j);
    AutoZeroGrp->setVisible(!f5j);
    ZF5J_Grp->setVisible(f5j);
    AutoZeroChk->setVisible(f5j);
}

} // namespace vimo
