#include "link/SerialLink.h"

#include "support/SimFixture.h"

#include <QStringList>
#include <QThread>
#include <gtest/gtest.h>
#include <thread>

using vimo::SerialLink;
using vimo::sim::SimModel;
using vimo::test::SimFixture;

namespace {

// A link opened on a simulated module (8N1, 115200 baud) holding two short data sets.
class LinkOnSim : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(link.open(sim.path(), 115200)) << link.errorString().toStdString(); }

    // Makes the module answer "v" with these lines.
    void identityLines(const QList<QByteArray>& lines)
    {
        sim->withModel([&](SimModel& m) { m.identity = lines; });
    }

    SimFixture sim{vimo::test::simWithSets(2, 20)};
    SerialLink link;
};

TEST(SerialLinkOpen, framingZeroAndOne_openTraceAndCarryTheExactBytes)
{
    SimFixture sim;
    SerialLink link;
    QStringList trace;
    link.setTraceHook([&](const QString& line) { trace << line; });

    for (const int framing : {0, 1}) {
        ASSERT_TRUE(link.open(sim.path(), 4800, framing)) << link.errorString().toStdString();
        EXPECT_TRUE(link.isOpen());
        EXPECT_EQ(link.write("c\x00\xff", 3), 3);
        EXPECT_EQ(link.bytesWritten(), 3u);
        link.close();
        EXPECT_FALSE(link.isOpen());
    }
    ASSERT_TRUE(sim->waitForReceived(6, 2000));
    EXPECT_EQ(sim->received(), QByteArray("c\x00\xff"
                                          "c\x00\xff",
                                          6));
    const QString path = sim.path();
    EXPECT_EQ(trace, (QStringList{"Opening " + path, path + " Opened.", "Comm port closed", "Opening " + path,
                                  path + " Opened.", "Comm port closed"}));
}

TEST(SerialLinkOpen, missingOrBusyDevice_failsWithReasonAndStaysClosed)
{
    SerialLink link;
    EXPECT_FALSE(link.open(QStringLiteral("/dev/vimo-no-such-port"), 115200));
    EXPECT_FALSE(link.isOpen());
    EXPECT_FALSE(link.errorString().isEmpty());
    EXPECT_FALSE(link.openError().accessDenied);
    EXPECT_EQ(link.openError().path, QStringLiteral("/dev/vimo-no-such-port"));

    SimFixture sim;
    SerialLink holder;
    ASSERT_TRUE(holder.open(sim.path(), 115200));
    EXPECT_FALSE(link.open(sim.path(), 115200));
    EXPECT_FALSE(link.isOpen());
    EXPECT_FALSE(link.errorString().isEmpty());
    EXPECT_TRUE(holder.isOpen());
}

TEST(SerialLinkOpen, portRefusingItsSettings_isClosedAndReportedLikeAnOpenFailure)
{
    SimFixture sim;
    SerialLink link;
    QStringList trace;
    link.setTraceHook([&](const QString& line) { trace << line; });
    EXPECT_FALSE(link.open(sim.path(), 0));
    EXPECT_FALSE(link.isOpen());
    EXPECT_TRUE(link.errorString().contains(QStringLiteral("refused its settings")));
    EXPECT_TRUE(vimo::openFailureMessage(link.openError()).startsWith(QStringLiteral("Unable to open Serial Port")));
    EXPECT_EQ(trace, QStringList{"Opening " + sim.path()});
    // The port was released: it opens with settings it accepts.
    EXPECT_TRUE(link.open(sim.path(), 115200));
}

TEST_F(LinkOnSim, readExact_allBytes_returnsCountAndTerminates)
{
    char buffer[29];
    std::fill(std::begin(buffer), std::end(buffer), 'z');
    EXPECT_EQ(link.drain(), 0);
    link.write("r", 1);
    ASSERT_EQ(link.readExact(buffer, 28, 5000), 28);
    EXPECT_EQ(buffer[28], 0);
    EXPECT_EQ(QByteArray(buffer, 4), QByteArray("\xab\xcd\x00\x0a", 4));
}

TEST_F(LinkOnSim, readExact_partialReply_returnsZeroAndKeepsWhatArrived)
{
    vimo::sim::SimFaults faults;
    faults.shortConfigBytes = 10;
    sim->setFaults(faults);
    char buffer[29] = {};
    link.write("r", 1);
    EXPECT_EQ(link.readExact(buffer, 28, 300), 0);
    EXPECT_EQ(link.receivedCount(), 10);
    EXPECT_EQ(QByteArray(buffer, 2), QByteArray("\xab\xcd"));
}

TEST_F(LinkOnSim, readLine_linesEmptyLinesAndOverlongLines)
{
    identityLines({"ABC", "", "ABCDEFGHIJ", "tail"});
    link.write("v", 1);
    char buffer[11];
    ASSERT_EQ(link.readLine(buffer, 10, 1000), 3);
    EXPECT_STREQ(buffer, "ABC");
    EXPECT_EQ(link.readLine(buffer, 10, 1000), 0); // CR LF alone
    // A line longer than the maximum returns the maximum; the next read continues with the rest.
    ASSERT_EQ(link.readLine(buffer, 4, 1000), 4);
    EXPECT_STREQ(buffer, "ABCD");
    ASSERT_EQ(link.readLine(buffer, 10, 1000), 6);
    EXPECT_STREQ(buffer, "EFGHIJ");
    bool ok = false;
    EXPECT_EQ(link.readLine(10, 1000, &ok), QByteArray("tail"));
    EXPECT_TRUE(ok);
    // Nothing more comes: a time-out gives 0.
    EXPECT_EQ(link.readLine(buffer, 10, 100), 0);
    EXPECT_STREQ(buffer, "");
}

TEST_F(LinkOnSim, readLine_timeOutMidLine_returnsZeroWithThePartialText)
{
    vimo::sim::SimFaults faults;
    faults.shortConfigBytes = 3; // "\xab\xcd\x00": no line end follows
    sim->setFaults(faults);
    link.write("r", 1);
    bool ok = true;
    EXPECT_EQ(link.readLine(20, 200, &ok), QByteArray("\xab\xcd\x00", 3));
    EXPECT_FALSE(ok);
}

TEST_F(LinkOnSim, waitFor_findsTheTextAnywhereAndLeavesWhatFollows)
{
    identityLines({"xxOK", "next"});
    link.write("v", 1);
    EXPECT_TRUE(link.waitFor(QByteArray("OK"), 1000));
    char buffer[11];
    EXPECT_EQ(link.readLine(buffer, 10, 1000), 0); // the CR LF after OK
    EXPECT_EQ(link.readLine(buffer, 10, 1000), 4);
    EXPECT_STREQ(buffer, "next");
}

TEST_F(LinkOnSim, waitFor_textNeverCompleted_returnsFalseAtTheLimit)
{
    identityLines({"xO"});
    link.write("v", 1);
    EXPECT_FALSE(link.waitFor(QByteArray("OK"), 300));
    EXPECT_TRUE(link.isOpen());
}

TEST_F(LinkOnSim, drainAndReadBytes_countWhatArrived)
{
    EXPECT_EQ(link.drain(), 0);
    link.write("v", 1);
    EXPECT_EQ(link.drain(), int(QByteArray("VIMO\r\nMOD2\r\n1.07\r\n05-14-06\r\n").size()));

    char buffer[64];
    link.write("r", 1);
    EXPECT_EQ(link.readBytes(buffer, 28), 28);
    vimo::sim::SimFaults faults;
    faults.shortConfigBytes = 5;
    sim->setFaults(faults);
    link.write("r", 1);
    EXPECT_EQ(link.readBytes(buffer, 28), 5);
}

TEST_F(LinkOnSim, sendBreak_onPseudoTerminal_keepsTheLinkUsable)
{
    link.sendBreak(20);
    EXPECT_TRUE(link.isOpen());
    link.write("M", 1);
    bool ok = false;
    EXPECT_EQ(link.readExact(1, 1000, &ok), QByteArray(1, '\0'));
    EXPECT_TRUE(ok);
}

TEST_F(LinkOnSim, portLost_midRead_endsLikeTimeOutKeepsBytesAndClosesTheLink)
{
    vimo::sim::SimFaults faults;
    faults.shortConfigBytes = 10;
    sim->setFaults(faults);
    link.write("r", 1);
    ASSERT_TRUE(sim->waitForReceived(1, 2000));
    // The adapter is pulled out while the read still waits for 18 bytes.
    std::thread pull([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        sim->hangUp();
    });
    char buffer[29] = {};
    const int got = link.readExact(buffer, 28, 10000);
    pull.join();
    EXPECT_EQ(got, 0);
    EXPECT_EQ(link.receivedCount(), 10);
    EXPECT_EQ(QByteArray(buffer, 2), QByteArray("\xab\xcd"));
    EXPECT_TRUE(link.portLost());
    EXPECT_FALSE(link.isOpen());
    // Everything after that returns at once and sends nothing.
    EXPECT_EQ(link.write("v", 1), 0);
    EXPECT_EQ(link.drain(), 0);
    EXPECT_FALSE(link.waitFor(QByteArray("OK"), 0));
}

TEST_F(LinkOnSim, portLost_duringDownload_keepsTheWordsThatCame)
{
    vimo::sim::SimFaults faults;
    faults.hangUpAfterBytes = 6 + 2 * 7; // header and seven words
    sim->setFaults(faults);
    link.write("a", 1);
    link.write(QByteArray(1, '\0'));
    char header[7];
    ASSERT_EQ(link.readExact(header, 6, 2500), 6);
    int words = 0;
    char word[3];
    while (link.readExact(word, 2, 500) == 2)
        ++words;
    EXPECT_EQ(words, 7);
    EXPECT_TRUE(link.portLost());
    EXPECT_FALSE(link.isOpen());
    EXPECT_EQ(link.path(), sim.path());
}

TEST(SerialLinkLost, writeToHungUpPort_reportsTheLossAndClosesTheLink)
{
    SimFixture sim;
    SerialLink link;
    ASSERT_TRUE(link.open(sim.path(), 115200));
    sim->hangUp();
    for (int i = 0; i < 400 && sim->isRunning(); ++i)
        QThread::msleep(5);
    ASSERT_FALSE(sim->isRunning());
    EXPECT_EQ(link.write("v", 1), 0);
    EXPECT_TRUE(link.portLost());
    EXPECT_FALSE(link.isOpen());
    EXPECT_FALSE(link.open(sim.path(), 115200)) << "the device is gone";
}

TEST(SerialLinkClosed, operationsOnAClosedLink_returnAtOnceWithNothing)
{
    SerialLink link;
    char buffer[8];
    EXPECT_EQ(link.write("v", 1), 0);
    EXPECT_EQ(link.readBytes(buffer, 4), 0);
    EXPECT_EQ(link.drain(), 0);
    EXPECT_EQ(link.readExact(buffer, 4, 100000), 0);
    EXPECT_EQ(link.readLine(buffer, 4, 100000), 0);
    EXPECT_FALSE(link.waitFor(QByteArray("OK"), 0));
    link.sendBreak(10);
    EXPECT_FALSE(link.portLost());
}

} // namespace
