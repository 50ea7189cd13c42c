#include "app/ConfigurePage.h"

#include "app/Controls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
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
QSlider* trackBar(const char* name, int minimum, int maximum, int step, QWidget* parent)
{
    auto* bar = named(new QSlider(Qt::Horizontal, parent), name);
    bar->setRange(minimum, maximum);
    bar->setSingleStep(step);
    bar->setPageStep(step * 4);
    bar->setTickPosition(QSlider::TicksBelow);
    bar->setTickInterval((maximum - minimum) / 10);
    return bar;
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
    QFont totalFont = Msg1->font();
    totalFont.setBold(true);
    Msg1->setFont(totalFont);
    intervalGrid->addWidget(Msg1, 2, 0, 1, 12);
    intervalGrid->setRowMinimumHeight(2, 24);

    UnitsGrp = new RadioGroup(QStringLiteral("UnitsGrp"), QStringLiteral("Altitude Units"),
                              {QStringLiteral("Feet"), QStringLiteral("Yards"), QStringLiteral("Meters")}, this, 3);
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
                                  {QStringLiteral("Off"), QStringLiteral("After Powerup"),
                                   QStringLiteral("Above Altitude"), QStringLiteral("On first Trigger")},
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
                                 {QStringLiteral("Off"), QStringLiteral("After Time"),
                                  QStringLiteral("Below Altitude")},
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
                                 {QStringLiteral("Off"), QStringLiteral("On First Trigger"),
                                  QStringLiteral("On Powerup"), QStringLiteral("On Start Recording")},
                                 this);
    AutoZeroGrp->setItemIndex(0);

    // The F5J variant's throttle cut-off, shown in place of the auto groups.
    ZF5J_Grp = named(new QGroupBox(QStringLiteral("F5J Settings"), this), "ZF5J_Grp");
    auto* f5jGrid = new QGridLayout(ZF5J_Grp);
    ZCutBar = trackBar("ZCutBar", 100, 1500, 50, ZF5J_Grp);
    T1Bar = trackBar("T1Bar", 10, 300, 5, ZF5J_Grp);
    T2Bar = trackBar("T2Bar", 10, 300, 5, ZF5J_Grp);
    ZCutDisp = trackReadout("ZCutDisp", ZF5J_Grp);
    ZT1Disp = trackReadout("ZT1Disp", ZF5J_Grp);
    ZT2Disp = trackReadout("ZT2Disp", ZF5J_Grp);
    const QList<QSlider*> bars = {ZCutBar, T1Bar, T2Bar};
    const QList<QLabel*> readouts = {ZCutDisp, ZT1Disp, ZT2Disp};
    const QStringList barCaptions = {QStringLiteral("Throttle Cutoff Altitude"),
                                     QStringLiteral("Throttle Cutoff Time Limit (s)"),
                                     QStringLiteral("Throttle Re-enable Time Delay (s)")};
    for (int i = 0; i < 3; ++i) {
        f5jGrid->addWidget(new QLabel(barCaptions[i], ZF5J_Grp), 2 * i, 0, 1, 2);
        f5jGrid->addWidget(bars[i], 2 * i + 1, 0);
        f5jGrid->addWidget(readouts[i], 2 * i + 1, 1);
        readouts[i]->setText(QString::number(bars[i]->value()));
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

    auto* page = new QHBoxLayout(this);
    page->addLayout(left, 5);
    page->addLayout(middle, 4);
    page->addLayout(right, 3);

    showF5j(false);
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
