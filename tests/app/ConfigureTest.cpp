// The "Configure" page driven offscreen against the simulated module.

#include "PageControls.h"
#include "WindowHarness.h"
#include "app/Controls.h"
#include "app/controllers/ModuleController.h"
#include "app/pages/ConfigurePage.h"
#include "app/pages/ConnectPage.h"
#include "module/ModuleConfig.h"
#include "support/SimFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

namespace vimo::test {
namespace {

ModuleConfig configOf(const sim::ConfigRecord& record)
{
    return *decodeConfig(QByteArrayView(reinterpret_cast<const char*>(record.data()), qsizetype(record.size())));
}

sim::SimOptions f5jModule()
{
    sim::SimOptions options;
    options.f5j = true;
    return options;
}

class Configure : public WindowTest {
protected:
    explicit Configure(const sim::SimOptions& options = {}) : sim(withShortRestart(options)) {}

    void SetUp() override
    {
        WindowTest::SetUp();
        startWindow();
    }

    ConfigureControls page() const { return controls(pageOf<ConfigurePage>(*window)); }

    void connect()
    {
        connectTo(sim.path());
        window->showPage(pageOf<ConfigurePage>(*window));
        sim->clearReceived();
    }

    void setModuleConfig(const std::function<void(sim::ConfigRecord&)>& change)
    {
        sim->withModel([&](sim::SimModel& m) { change(m.config); });
    }

    // The record the module holds after a "Write Config".
    ModuleConfig writtenRecord()
    {
        EXPECT_TRUE(sim->waitForReceived(1 + ModuleConfig::kWireSize, 3000));
        EXPECT_EQ(sim->received().left(1), "c");
        return configOf(sim->model().config);
    }

    static void clickRow(RadioGroup* group, int row)
    {
        QList<QRadioButton*> buttons = group->findChildren<QRadioButton*>();
        QTest::mouseClick(buttons.at(row), Qt::LeftButton);
    }

    SimFixture sim;
};

TEST_F(Configure, connect_showsTheModuleRecord)
{
    setModuleConfig([](sim::ConfigRecord& r) {
        r[sim::field::kUnits] = 2;
        r[sim::field::kMemorySize] = 2;
        r[sim::field::kAutoStart] = 3;
        r[sim::field::kModuleVersion] = 2;
        r[sim::field::kRecordTrigger] = 0;
        r[sim::field::kReverseTrigger] = 1;
    });
    connect();
    EXPECT_EQ(page().unitsGroup->itemIndex(), 2);
    EXPECT_EQ(page().autoStartUnits->text(), QStringLiteral("Meters"));
    EXPECT_EQ(page().autoStopUnits->text(), QStringLiteral("Meters"));
    EXPECT_EQ(page().autoStartGroup->itemIndex(), 3);
    EXPECT_EQ(page().blankDisplayBox->text(), QStringLiteral("Blank display after 30 seconds"));
    EXPECT_FALSE(page().recordTriggerBox->isChecked());
    EXPECT_TRUE(page().reverseTriggerBox->isChecked());
    // 10 ticks of 100 ms; 8192 samples of one second.
    EXPECT_EQ(page().hoursPanel->text(), QStringLiteral("0"));
    EXPECT_EQ(page().minutesPanel->text(), QStringLiteral("00"));
    EXPECT_EQ(page().secondsPanel->text(), QStringLiteral("01"));
    EXPECT_EQ(page().millisecondsPanel->text(), QStringLiteral("000"));
    EXPECT_EQ(page().recordTimeLine->text(), QStringLiteral("Total Record Time: 02 hours 16 min 32.000 sec"));
    EXPECT_FALSE(page().autoStartGroup->isHidden());
    EXPECT_TRUE(page().f5jGroup->isHidden());
    EXPECT_TRUE(page().autoZeroOnPowerupBox->isHidden());
}

TEST_F(Configure, writeConfig_sendsTheRecordBuiltFromTheControls)
{
    connect();
    clickRow(page().unitsGroup, 1);
    EXPECT_EQ(page().autoStartUnits->text(), QStringLiteral("Yards"));
    clickRow(page().autoStopGroup, 2);
    page().autoStartSecondsEdit->setText(QStringLiteral("70000"));
    page().autoStopAltitudeEdit->setText(QStringLiteral(" 42 ft"));
    QTest::mouseClick(page().secondsArrows->upButton(), Qt::LeftButton); // 1 s -> 2 s
    EXPECT_EQ(page().secondsPanel->text(), QStringLiteral("02"));
    page().recordTriggerBox->setChecked(false);

    click(page().writeConfigButton);
    ASSERT_TRUE(waitIdle());
    const ModuleConfig written = writtenRecord();
    ModuleConfig expected = configOf(sim::defaultConfig(false));
    expected.units = 1;
    expected.autoStop = 2;
    expected.startSeconds = 65535;
    expected.stopAltitude = 42;
    expected.intervalTicks = 20;
    expected.recordTrigger = 0;
    EXPECT_EQ(written, expected);
    EXPECT_EQ(page().autoStartSecondsEdit->text(), QStringLiteral("65535"));
}

TEST_F(Configure, readConfig_afterTheModuleChanged_showsTheNewRecord_aFailedReadKeepsTheControls)
{
    connect();
    setModuleConfig([](sim::ConfigRecord& r) { r[sim::field::kUnits] = 1; });
    click(page().readConfigButton);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(sim->received(), "rM");
    EXPECT_EQ(page().unitsGroup->itemIndex(), 1);

    clickRow(page().unitsGroup, 2);
    sim::SimFaults faults;
    faults.shortConfigBytes = 10;
    sim->setFaults(faults);
    click(page().readConfigButton);
    ASSERT_TRUE(waitIdle());
    EXPECT_TRUE(memo().contains(QStringLiteral("No reponse from device.")));
    ASSERT_FALSE(prompts.shown.isEmpty());
    EXPECT_EQ(prompts.shown.last().caption, QStringLiteral("Error"));
    EXPECT_EQ(prompts.shown.last().text, QStringLiteral("Unable to read configuration!"));
    EXPECT_EQ(page().unitsGroup->itemIndex(), 2); // what the user chose stays
}

// A configuration read that unchecks the auto-zero box fires none of its handlers: the module's auto-zero choice
// stays, and the next write sends it.
TEST_F(Configure, readThatUnchecksTheAutoZeroBox_keepsTheModulesChoice)
{
    {
        QSettings s = store();
        s.setValue(QStringLiteral("Settings/AutoZero"), 2); // the box starts checked
    }
    window.reset();
    startWindow();
    ASSERT_TRUE(page().autoZeroOnPowerupBox->isChecked());
    setModuleConfig([](sim::ConfigRecord& r) { r[sim::field::kAutoZero] = 1; });
    connect();
    EXPECT_FALSE(page().autoZeroOnPowerupBox->isChecked());
    EXPECT_EQ(page().autoZeroGroup->itemIndex(), 1);
    click(page().writeConfigButton);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(writtenRecord().autoZero, 1);
}

TEST_F(Configure, calibrate_sendsTheAltitude_andReadsTheConfigurationAgain)
{
    connect();
    page().calibrationAltitudeEdit->setText(QStringLiteral("1234"));
    click(page().calibrateButton);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(sim->received(), QByteArray("$t\x04\xD2rM", 6));
    EXPECT_EQ(sim->model().calibration, qint16(1234));
}

TEST_F(Configure, resetDefaults_asksFirst_thenSendsStarAndReadsTheConfiguration)
{
    connect();
    prompts.answers = {false};
    click(page().resetDefaultsButton);
    ASSERT_TRUE(waitIdle());
    EXPECT_TRUE(sim->received().isEmpty());
    EXPECT_EQ(prompts.shown.last().text,
              QStringLiteral("This will reset all configuration values in the device.  Are you sure?"));

    setModuleConfig([](sim::ConfigRecord& r) { r[sim::field::kUnits] = 2; });
    click(page().resetDefaultsButton);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(sim->received(), "*rM");
    EXPECT_EQ(page().unitsGroup->itemIndex(), 0); // the module's defaults
}

TEST_F(Configure, resetModule_sendsR_andReadsTheConfigurationWhenTheModuleIsBack)
{
    connect();
    click(page().resetModuleButton);
    ASSERT_TRUE(waitIdle(15000));
    EXPECT_EQ(sim->received(), "RrM");
    EXPECT_EQ(sim->model().restarts, 1);
    EXPECT_EQ(memo().last(), QStringLiteral("Configuration loaded."));
}

// Each command says how it ended in the status bar, whatever page shows; a failure the exchange has not shown in a
// box yet gets one, and one only.
TEST_F(Configure, commands_sayHowTheyEnded_inTheStatusBar_andAFailureInOneBox)
{
    const auto status = [this] { return window->statusBar()->currentMessage(); };
    click(page().writeConfigButton);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(status(), QStringLiteral("Write Config: not connected"));
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_EQ(prompts.shown[0].caption, QStringLiteral("Write Config"));
    EXPECT_EQ(prompts.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(memo(), QStringList{"Not Connected"}); // the memo as before

    connect();
    prompts.shown.clear();
    click(page().writeConfigButton);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(status(), QStringLiteral("Configuration sent to the module"));
    page().calibrationAltitudeEdit->setText(QStringLiteral("1234"));
    click(page().calibrateButton);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(status(), QStringLiteral("Calibrated to 1234"));
    prompts.answers = {false};
    click(page().resetDefaultsButton);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(status(), QStringLiteral("Calibrated to 1234")) << "a declined reset says nothing";
    EXPECT_EQ(prompts.shown.size(), 1); // the question alone

    prompts.shown.clear();
    page().calibrationAltitudeEdit->setText(QStringLiteral("high"));
    click(page().calibrateButton);
    ASSERT_TRUE(waitIdle());
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_EQ(prompts.shown[0].text, QStringLiteral("Calibration not sent: the altitude must be a whole number."));
    EXPECT_EQ(status(), prompts.shown[0].text);

    prompts.shown.clear();
    sim::SimFaults faults;
    faults.shortConfigBytes = 10;
    sim->setFaults(faults);
    click(page().readConfigButton);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(status(), QStringLiteral("Read Config: the module did not send its configuration back"));
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_EQ(prompts.shown[0].text, QStringLiteral("Unable to read configuration!"));
}

class ConfigureF5j : public Configure {
protected:
    ConfigureF5j() : Configure(f5jModule()) {}
};

TEST_F(ConfigureF5j, f5jModule_showsItsGroupInPlaceOfTheAutoGroups_andWritesTheTrackBars)
{
    connect();
    EXPECT_TRUE(page().autoStartGroup->isHidden());
    EXPECT_TRUE(page().autoStopGroup->isHidden());
    EXPECT_TRUE(page().autoZeroGroup->isHidden());
    EXPECT_FALSE(page().f5jGroup->isHidden());
    EXPECT_FALSE(page().autoZeroOnPowerupBox->isHidden());
    EXPECT_TRUE(page().autoZeroOnPowerupBox->isChecked()); // the module zeroes on power-up
    EXPECT_EQ(page().cutOffAltitudeBar->value(), 200);
    EXPECT_EQ(page().cutOffAltitudeReadout->text(), QStringLiteral("200"));
    EXPECT_EQ(page().cutOffTimeBar->value(), 30);

    page().cutOffTimeBar->setValue(12); // between two steps: up to the next
    EXPECT_EQ(page().cutOffTimeBar->value(), 15);
    EXPECT_EQ(page().cutOffTimeReadout->text(), QStringLiteral("15"));
    page().cutOffAltitudeBar->setValue(120);
    EXPECT_EQ(page().cutOffAltitudeBar->value(), 150);
    QTest::mouseClick(page().autoZeroOnPowerupBox, Qt::LeftButton); // the user clears it: "Off"
    EXPECT_EQ(page().autoZeroGroup->itemIndex(), 0);

    click(page().writeConfigButton);
    ASSERT_TRUE(waitIdle());
    const ModuleConfig written = writtenRecord();
    EXPECT_EQ(written.startSeconds, 15);
    EXPECT_EQ(written.stopAltitude, 150);
    EXPECT_EQ(written.autoZero, 0);
}

} // namespace
} // namespace vimo::test
