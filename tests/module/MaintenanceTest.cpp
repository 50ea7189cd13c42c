#include "module/Maintenance.h"
#include "FakeModule.h"

using namespace vimo;
using namespace vimo::test;

class MaintenanceTest : public ModuleTest {
protected:
    void SetUp() override
    {
        ModuleConfig c;
        c.baseInterval = 100;
        c.intervalTicks = 10;
        module.configReply = wire(c);
    }
};

TEST_F(MaintenanceTest, calibrate_sendsTheAltitudeHighByteFirstWithItsPauses)
{
    connect();
    ASSERT_TRUE(calibrate(session, "1234"));
    EXPECT_EQ(w.events, (QStringList{"w $", "pause 1500", "w t", "w \\x04", "pause 50", "w \\xD2", "pause 50",
                                     "pause 200", "w r", "w M"}));
    EXPECT_EQ(reporter.memo.last(), "Configuration loaded.");
}

TEST_F(MaintenanceTest, calibrate_negativeAndHugeNumbersTakeTheLowBitsOfTheSaturatedValue)
{
    EXPECT_EQ(calibrationAltitude("-10"), 0xFFF6);
    EXPECT_EQ(calibrationAltitude("  70000 ft"), 70000 & 0xFFFF);
    EXPECT_EQ(calibrationAltitude("99999999999"), 0xFFFF);  // 0x7FFFFFFF
    EXPECT_EQ(calibrationAltitude("-99999999999"), 0x0000); // 0x80000000
    connect();
    ASSERT_TRUE(calibrate(session, "-10"));
    EXPECT_EQ(w.written.left(4), QByteArray("$t\xFF\xF6", 4));
}

TEST_F(MaintenanceTest, calibrate_textWithoutANumberSendsNothing)
{
    connect();
    EXPECT_FALSE(calibrate(session, "abc"));
    EXPECT_FALSE(calibrate(session, ""));
    EXPECT_TRUE(w.events.isEmpty());
    EXPECT_EQ(reporter.memo.size(), 2);
}

TEST_F(MaintenanceTest, eraseData_sendsXOnlyAfterYes)
{
    connect();
    reporter.answer = false;
    EXPECT_FALSE(eraseData(session));
    EXPECT_TRUE(w.events.isEmpty());
    reporter.answer = true;
    EXPECT_TRUE(eraseData(session));
    EXPECT_EQ(w.events, QStringList{"w x"});
    EXPECT_EQ(reporter.questions.first(),
              "Reset Config Defaults|This will erase all altitude data in the device.  Are you sure?");
}

TEST_F(MaintenanceTest, resetDefaults_asksThenRereadsTheConfigurationAfter200ms)
{
    connect();
    ASSERT_TRUE(resetDefaults(session));
    EXPECT_EQ(
        reporter.questions,
        QStringList{"Reset Config Defaults|This will reset all configuration values in the device.  Are you sure?"});
    EXPECT_EQ(w.events, (QStringList{"w *", "pause 200", "w r", "w M"}));
}

TEST_F(MaintenanceTest, resetModule_rereadsTheConfigurationAfterTheRestart)
{
    connect();
    ASSERT_TRUE(resetModule(session));
    EXPECT_EQ(w.events, (QStringList{"w R", "pause 4000", "w r", "w M"}));
}

TEST_F(MaintenanceTest, notConnected_noneSendsAndOnlyEraseStaysOnItsPage)
{
    EXPECT_FALSE(eraseData(session));
    EXPECT_EQ(reporter.pageSwitches, 0);
    EXPECT_FALSE(resetDefaults(session));
    EXPECT_FALSE(calibrate(session, "100"));
    EXPECT_FALSE(resetModule(session));
    EXPECT_EQ(reporter.pageSwitches, 3);
    EXPECT_EQ(reporter.memo, QStringList{"Not Connected"});
    EXPECT_TRUE(reporter.questions.isEmpty());
    EXPECT_TRUE(w.events.isEmpty());
}
