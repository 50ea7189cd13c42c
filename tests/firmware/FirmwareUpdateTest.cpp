#include "firmware/FirmwareUpdate.h"
#include "firmware/FirmwareImage.h"
#include "link/SerialLink.h"
#include "support/RecordingReporter.h"
#include "support/TestFiles.h"
#include "support/TranscriptChannel.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <system_error>

using namespace vimo;
using namespace vimo::test;

namespace {

// A boot loader: answers "U" with "U", echoes every record and answers it with `reply` (which a test may change
// per record).
struct FakeBootLoader {
    std::function<QByteArray(const QByteArray& record)> answer = [](const QByteArray& record) { return record + "."; };
    int records = 0;

    void install(Wire& w)
    {
        w.respond = [this](Wire& wire, const QByteArray& bytes) {
            if (bytes == "U")
                wire.input += "U";
            else if (bytes.startsWith(':') && bytes != ":00000008F8") {
                ++records;
                wire.input += answer(bytes);
            }
        };
    }
};

} // namespace

class FirmwareUpdateTest : public ::testing::Test, protected ScriptedLink {
protected:
    FirmwareUpdateTest() { bootLoader.install(w); }

    int update(const char* fixture)
    {
        return runFirmwareUpdate(fixturePath(QString::fromLatin1(fixture)), options, link, reporter, image,
                                 pauseHook());
    }

    QStringList memoWithout(const QString& line) const
    {
        QStringList out = reporter.memo;
        out.removeAll(line);
        return out;
    }

    FakeBootLoader bootLoader;
    RecordingReporter reporter;
    FirmwareImage image;
    FirmwareUpdateOptions options{QStringLiteral("/dev/ttyUSB0"), 9600, false, false, false};
};

TEST_F(FirmwareUpdateTest, update_sendsPAtTheConnectionSpeedThenProgramsAt4800)
{
    ASSERT_EQ(update("addresses_0_to_99.hex"), kUpdateOk);
    const QStringList start{"open /dev/ttyUSB0 9600 0",
                            "w P",
                            "pause 100",
                            "close",
                            "open /dev/ttyUSB0 4800 0",
                            "break on",
                            "break off",
                            "pause 500",
                            "w U",
                            "w :020000020301F8"};
    EXPECT_EQ(w.events.mid(0, start.size()), start);
    const QStringList end{"w :020000020300F9",
                          "w :0200000200"
                          "63"
                          "99",
                          "pause 500", "w :00000008F8", "close"};
    EXPECT_EQ(w.events.mid(w.events.size() - end.size()), end);
    EXPECT_EQ(bootLoader.records, 1 + 119 + 2 + 2);
    EXPECT_EQ(reporter.memo, QStringList{"ISP Mode Initiated"});
    EXPECT_EQ(reporter.progressSteps, (std::vector<std::pair<int, int>>{{0, 99}, {0, 99}, {64, 99}}));
    EXPECT_EQ(reporter.progressStatus, QStringList{"Updating firmware"});
    EXPECT_FALSE(w.isOpen);

    finishFirmwareUpdate(reporter, kUpdateOk);
    EXPECT_EQ(reporter.memo.mid(1), (QStringList{"", "Firmware updated successfully."}));
    EXPECT_FALSE(reporter.progressVisible);
}

TEST_F(FirmwareUpdateTest, update_pausesAsTheTimingItIsGivenSays)
{
    Timing timing;
    timing.programModeMs = 11;
    timing.afterBreakMs = 12;
    timing.beforeResetMs = 13;
    ASSERT_EQ(runFirmwareUpdate(fixturePath(QStringLiteral("addresses_0_to_99.hex")), options, link, reporter, image,
                                pauseHook(), timing),
              kUpdateOk);
    EXPECT_EQ(w.events.filter(QStringLiteral("pause ")), (QStringList{"pause 11", "pause 12", "pause 13"}));
}

TEST_F(FirmwareUpdateTest, partIsBlank_sendsNeitherPNorBreakUnlessForced)
{
    options.partIsBlank = true;
    ASSERT_EQ(update("addresses_0_to_99.hex"), kUpdateOk);
    EXPECT_EQ(w.events.mid(0, 2), (QStringList{"open /dev/ttyUSB0 4800 0", "w U"}));

    w.events.clear();
    options.forceUpdate = true;
    ASSERT_EQ(update("addresses_0_to_99.hex"), kUpdateOk);
    EXPECT_EQ(w.events.mid(0, 3), (QStringList{"open /dev/ttyUSB0 4800 0", "break on", "break off"}));
}

TEST_F(FirmwareUpdateTest, manualEntry_sendsNoPButStillTheBreak)
{
    options.manualEntry = true;
    ASSERT_EQ(update("addresses_0_to_99.hex"), kUpdateOk);
    EXPECT_EQ(w.events.mid(0, 2), (QStringList{"open /dev/ttyUSB0 4800 0", "break on"}));
}

TEST_F(FirmwareUpdateTest, configurationByteFailing_hasNoMessageOfItsOwn)
{
    bootLoader.answer = [](const QByteArray& record) {
        return record + (record.startsWith(":0200000200") ? "?" : ".");
    };
    ASSERT_EQ(update("addresses_0_to_99.hex"), kUpdateRecordFailed);
    EXPECT_EQ(reporter.memo, QStringList{"ISP Mode Initiated"});
}

TEST_F(FirmwareUpdateTest, silentRecord_reportsEchoAndResponseForEachAttempt)
{
    ASSERT_TRUE(link.open("/dev/ttyUSB0", 4800));
    w.respond = nullptr;
    EXPECT_EQ(sendIspRecord(link, reporter, ":020000020301F8"), 0);
    EXPECT_EQ(reporter.memo, (QStringList{"Sent data not echoed", "no response", "Sent data not echoed", "no response",
                                          "Sent data not echoed", "no response"}));
}

TEST_F(FirmwareUpdateTest, unreadableFile_saysSoAndNeverTouchesThePort)
{
    ASSERT_EQ(update("no_such_file.hex"), kUpdateHexNotOpened);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0].caption, "Error");
    EXPECT_EQ(reporter.messages[0].text, "Unable to open " + fixturePath("no_such_file.hex") + "!\n\n"
                                             + QString::fromStdString(std::system_category().message(ENOENT)))
        << "the reason, as --dry-run gives it";
    EXPECT_TRUE(w.events.isEmpty());
}

TEST_F(FirmwareUpdateTest, damagedOrEmptyHexFile_isRefusedBeforeThePortIsTouched)
{
    EXPECT_EQ(update("bad_checksum_line_3.hex"), kUpdateHexNotOpened);
    EXPECT_EQ(update("no_data.hex"), kUpdateHexNotOpened);
    ASSERT_EQ(reporter.messages.size(), 2u);
    EXPECT_TRUE(reporter.messages[0].text.contains("line 3"));
    EXPECT_EQ(reporter.messages[1].text, "Hex file contains no data.");
    EXPECT_TRUE(w.events.isEmpty());
}

TEST_F(FirmwareUpdateTest, imageBeyondCodeSpace_showsTheBoxAndTheMemoLine)
{
    EXPECT_EQ(update("beyond_code_space.hex"), kUpdateBeyondCodeSpace);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0].text, "Hex file exceeds code space");
    EXPECT_EQ(reporter.memo, QStringList{"Hex file exceeds code space."});
    EXPECT_TRUE(w.events.isEmpty());
}

TEST_F(FirmwareUpdateTest, noPortSelected_reportsUnableToOpenBeforeAnyOpen)
{
    options.devicePath.clear();
    EXPECT_EQ(update("addresses_0_to_99.hex"), kUpdatePortNotOpened);
    EXPECT_EQ(reporter.memo.first(), "Unable to open Serial Port");
    EXPECT_TRUE(w.events.isEmpty());
}

TEST_F(FirmwareUpdateTest, portThatCannotBeOpened_returnsMinusTwo)
{
    w.refuseOpen = true;
    EXPECT_EQ(update("addresses_0_to_99.hex"), kUpdatePortNotOpened);
    EXPECT_EQ(reporter.memo.first(), "Unable to open Serial Port");
    EXPECT_EQ(w.events, QStringList{"open /dev/ttyUSB0 9600 0"});
}

// A boot loader that never echoes cost a second per record; after three records in a row without an echo the
// echo is no longer awaited, and the memo says so once.
TEST_F(FirmwareUpdateTest, bootLoaderThatNeverEchoes_isNoLongerAwaitedAfterThreeRecords)
{
    bootLoader.answer = [](const QByteArray&) { return QByteArray("."); };
    QElapsedTimer timer;
    timer.start();
    ASSERT_EQ(update("addresses_0_to_99.hex"), kUpdateOk);
    EXPECT_EQ(reporter.memo.count(QStringLiteral("Sent data not echoed")), 3);
    EXPECT_EQ(reporter.memo.count(QStringLiteral("The boot loader does not echo: its echo is no longer awaited.")), 1);
    EXPECT_LT(timer.elapsed(), 8000);
}
