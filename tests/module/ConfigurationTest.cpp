#include "module/Configuration.h"
#include "FakeModule.h"

using namespace vimo;
using namespace vimo::test;

namespace {

ModuleConfig sample()
{
    ModuleConfig c;
    c.signature = 0x1234;
    c.intervalTicks = 10;
    c.units = 2;
    c.baseInterval = 100;
    c.startSeconds = 70;
    c.stopAltitude = 0xFF9C;
    c.moduleVersion = 3;
    c.memorySize = 2;
    c.reserved3 = 0xEE;
    return c;
}

} // namespace

class ConfigurationTest : public ModuleTest {};

TEST_F(ConfigurationTest, read_takesTheRecordAndTheVariant)
{
    connect();
    module.configReply = wire(sample());
    module.variantReply = QByteArray(1, '\x01');
    ASSERT_TRUE(readConfiguration(session));
    EXPECT_EQ(w.writes(), (QStringList{"r", "M"}));
    EXPECT_EQ(session.config, sample());
    EXPECT_TRUE(session.state.f5jModule);
    EXPECT_EQ(reporter.memo, (QStringList{"Reading Configuration...", "Configuration loaded."}));
    EXPECT_EQ(session.showRecordInterval().totalRecordTime, "Total Record Time: 02 hours 16 min 32.000 sec");
}

TEST_F(ConfigurationTest, read_shortReplyLeavesTheRecordUntouchedAndTheNextWriteSendsIt)
{
    connect();
    session.config = sample();
    module.configReply = QByteArray(27, '\x55');
    EXPECT_FALSE(readConfiguration(session));
    EXPECT_EQ(session.config, sample());
    EXPECT_EQ(reporter.memo, (QStringList{"Reading Configuration...", "No reponse from device."}));
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0].caption, "Error");
    EXPECT_EQ(reporter.messages[0].text, "Unable to read configuration!");
    EXPECT_EQ(reporter.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(w.writes(), QStringList{"r"}); // no variant query after a failed read

    ConfigControls controls = controlsFromConfig(session.config, false);
    session.interval.setInterval(1000);
    ASSERT_TRUE(writeConfiguration(session, controls));
    EXPECT_EQ(module.lastRecord, wire(sample()));
}

TEST_F(ConfigurationTest, write_sendsTheRecordBigEndianFortyMillisecondsAfterC)
{
    connect();
    session.config = sample();
    session.interval.setInterval(2500);
    ConfigControls controls = controlsFromConfig(session.config, false);
    controls.unitsRow = 1;
    controls.autoStopAltitudeText = "300";
    ASSERT_TRUE(writeConfiguration(session, controls));
    ModuleConfig expected = sample();
    expected.units = 1;
    expected.intervalTicks = 25;
    expected.stopAltitude = 300;
    expected.blankDisplay = 0;
    ASSERT_EQ(w.events.size(), 3);
    EXPECT_EQ(w.events[0], "w c");
    EXPECT_EQ(w.events[1], "pause 40");
    EXPECT_EQ(module.lastRecord, wire(expected));
    EXPECT_EQ(module.lastRecord.mid(0, 4), QByteArray("\x12\x34\x00\x19", 4));
    EXPECT_TRUE(reporter.memo.isEmpty());
}

TEST_F(ConfigurationTest, write_withBaseIntervalZeroKeepsTheTicksAsRead)
{
    connect();
    session.config = sample();
    session.config.baseInterval = 0;
    ConfigControls controls = controlsFromConfig(session.config, false);
    ASSERT_TRUE(writeConfiguration(session, controls));
    EXPECT_EQ(session.config.intervalTicks, 10);
}

TEST_F(ConfigurationTest, notConnected_readAndWriteSendNothingAndShowTheConnectPage)
{
    ConfigControls controls;
    EXPECT_FALSE(readConfig(session));
    EXPECT_FALSE(writeConfiguration(session, controls));
    EXPECT_EQ(reporter.memo, QStringList{"Not Connected"});
    EXPECT_EQ(reporter.pageSwitches, 2);
    EXPECT_TRUE(w.writes().isEmpty());
}

TEST_F(ConfigurationTest, connect_opensReadsTheConfigurationAndReportsConnected)
{
    module.configReply = wire(sample());
    ASSERT_TRUE(connectModule(session, QStringLiteral("/dev/ttyUSB0"), 9600));
    EXPECT_TRUE(session.state.connected);
    EXPECT_EQ(w.events.first(), "open /dev/ttyUSB0 9600 0");
    EXPECT_EQ(reporter.connectionStatus, QStringList{"Connected"});
    EXPECT_EQ(session.config, sample());
    disconnectModule(session);
    EXPECT_FALSE(session.state.connected);
    EXPECT_EQ(w.events.last(), "close");
}

TEST_F(ConfigurationTest, connect_portThatCannotBeOpenedShowsTheReasonAndChangesNothing)
{
    w.refuseOpen = true;
    EXPECT_FALSE(connectModule(session, QStringLiteral("/dev/ttyUSB9"), 115200));
    EXPECT_FALSE(session.state.connected);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_TRUE(reporter.messages[0].text.startsWith("Unable to open Serial Port"));
    EXPECT_TRUE(reporter.messages[0].text.contains("No such file or directory"));
    EXPECT_TRUE(reporter.connectionStatus.isEmpty());
}

TEST_F(ConfigurationTest, connect_withoutAPortSaysSoAndOpensNothing)
{
    EXPECT_FALSE(connectModule(session, QString(), 115200));
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0].text, "Unable to open Serial Port\n\nno serial port selected");
    EXPECT_TRUE(w.events.isEmpty());
}
