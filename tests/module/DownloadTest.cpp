#include "module/Download.h"
#include "FakeModule.h"
#include "data/Plot.h"

using namespace vimo;
using namespace vimo::test;

class DownloadTest : public ModuleTest {
protected:
    DownloadResult download(int row)
    {
        return downloadDataSets(
            session, row, [this](DownloadedSet&& s) { received.push_back(std::move(s)); }, QDate(2024, 6, 1));
    }

    std::vector<DownloadedSet> received;
};

TEST_F(DownloadTest, setWithATriggerMark_becomesSamplesNotesAndMemoLines)
{
    connect();
    session.config.baseInterval = 100;
    session.state.setCount = 1;
    module.sets[0] = setReply(10, 5, 1, {0x0064, 0x8201, 0x0065, 0x0066, 0x0067});
    const DownloadResult r = download(0);
    EXPECT_EQ(r.delivered, 1);
    EXPECT_EQ(w.events.mid(0, 3), (QStringList{"w a", "pause 20", "w \\x00"}));
    ASSERT_EQ(received.size(), 1u);
    const DownloadedSet& s = received[0];
    EXPECT_EQ(s.altitudes, (std::vector<double>{100, 101, 102, 103}));
    EXPECT_EQ(s.triggerTimes, (std::vector<double>{1}));
    EXPECT_EQ(s.infoNote, "2024-06-01  Set 1, 4 samples");
    EXPECT_EQ(s.summaryNote, "4 sec, interval=1 sec, max=103");
    EXPECT_EQ(reporter.memo, (QStringList{"", "Set 1: Downloaded 4 data samples."}));
    EXPECT_FALSE(reporter.progressVisible);
    EXPECT_EQ(reporter.progressSteps.back(), std::make_pair(80, 100)); // 100 x 4 samples / 5 words
    EXPECT_EQ(reporter.progressStatus, QStringList{"Set 1"});          // one set chosen: its own number
}

TEST_F(DownloadTest, all_downloadsEverySetInOrderAndReportsACorruptedOne)
{
    connect();
    session.state.setCount = 3;
    module.sets[0] = setReply(1, 2, 0, {1, 2});
    module.sets[2] = setReply(1, 1, 0, {3}); // set 2 sends no header
    const DownloadResult r = download(3);
    EXPECT_EQ(r.requested, 3);
    EXPECT_EQ(r.delivered, 2);
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0].number, 0);
    EXPECT_EQ(received[1].number, 2);
    EXPECT_EQ(reporter.memo, (QStringList{"", "Set 1: Downloaded 2 data samples.", "", "Set 2: Corrupted data set.", "",
                                          "Set 3: Downloaded 1 data samples."}));
    EXPECT_EQ(w.writes(), (QStringList{"a", "\\x00", "a", "\\x01", "a", "\\x02"}));
    EXPECT_EQ(session.state.selectedSet, 3);
    // The status bar names each set on its way, the one that never came too.
    EXPECT_EQ(reporter.progressStatus, (QStringList{"Set 1 of 3", "Set 2 of 3", "Set 3 of 3"}));
    EXPECT_FALSE(reporter.progressVisible);
}

TEST_F(DownloadTest, noRowOrNoSets_sendNothing)
{
    connect();
    download(-1);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0].caption, "Vimo");
    EXPECT_EQ(reporter.messages[0].text, "No data set specified");
    session.state.setCount = 0;
    download(0); // "All" with no sets
    EXPECT_TRUE(w.events.isEmpty());
    EXPECT_TRUE(received.empty());
}

TEST_F(DownloadTest, cancel_keepsTheSamplesSoFarAndStopsTheRemainingSets)
{
    connect();
    session.state.setCount = 2;
    module.sets[0] = setReply(1, 100, 0, std::vector<std::uint16_t>(100, 9));
    reporter.cancelAfterPolls = 10;
    const DownloadResult r = download(2);
    EXPECT_TRUE(r.cancelled);
    EXPECT_EQ(r.requested, 1);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].count(), 10);
    EXPECT_TRUE(received[0].cancelled) << "the archive marks the set incomplete";
    EXPECT_EQ(reporter.memo.last(), "Set 1: Download cancelled; the 10 samples received are kept.");
}

TEST(DownloadedSetToPlot, addDownloadedSet_createsADataSetScalesAndLabels)
{
    Plot plot;
    DownloadedSet s;
    s.number = 0;
    s.header = {10, 5, 1};
    s.times = {0, 1, 2, 3};
    s.altitudes = {100, 101, 102, 103};
    s.triggerTimes = {1};
    s.triggerAltitudes = {101};
    s.infoNote = "info";
    s.summaryNote = "summary";
    s.yLabel = QStringLiteral("Altitude (meters)");
    const int k = addDownloadedSet(plot, s);
    ASSERT_EQ(k, 0);
    const DataSet& d = plot.signals.at(0);
    EXPECT_EQ(d.altitude.series.count(), 4);
    EXPECT_EQ(d.altitude.series.altitude(3), 103);
    EXPECT_EQ(d.trigger.series.count(), 1);
    EXPECT_TRUE(d.trigger.visible);
    EXPECT_EQ(d.notes[0], "");
    EXPECT_EQ(d.notes[1], "info");
    EXPECT_EQ(d.notes[2], "summary");
    EXPECT_EQ(plot.xLabel, "Time (seconds)");
    EXPECT_EQ(plot.yLabel, "Altitude (meters)");
    EXPECT_EQ(plot.xMax, 4); // scaled to 0..3 s
    EXPECT_EQ(plot.yMin, 100);

    s.yLabel.reset(); // a unit without a name leaves the label
    s.header.triggerFlag = 0;
    addDownloadedSet(plot, s);
    EXPECT_EQ(plot.yLabel, "Altitude (meters)");
    EXPECT_FALSE(plot.signals.at(1).trigger.visible);
}

TEST_F(DownloadTest, portLostMidSet_keepsWhatArrivedAndLeavesTheSessionDisconnected)
{
    connect();
    session.state.setCount = 2;
    module.sets[0] = setReply(1, 100, 0, std::vector<std::uint16_t>(50, 7));
    module.sets[1] = setReply(1, 1, 0, {1});
    // The adapter disappears once the first set's index has been sent and its words are read.
    const auto answer = w.respond;
    w.respond = [answer](Wire& wire, const QByteArray& bytes) {
        answer(wire, bytes);
        if (bytes == QByteArray(1, '\0'))
            wire.goneWhenDry = true;
    };
    const DownloadResult r = download(2);
    EXPECT_EQ(r.requested, 1);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].count(), 50);
    EXPECT_EQ(reporter.memo.mid(1, 2), (QStringList{"Set 1: Downloaded 50 data samples.",
                                                    "Set 1: Transfer ended early; 50 of 100 samples arrived."}));
    EXPECT_TRUE(reporter.memo.last().contains("was lost"));
    EXPECT_FALSE(session.state.connected);
    EXPECT_EQ(reporter.connectionStatus, QStringList{"Not Connected"});
    EXPECT_FALSE(link.isOpen());
}
