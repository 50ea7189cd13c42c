#include "module/SetDecoder.h"
#include "module/SetList.h"

#include <gtest/gtest.h>

using namespace vimo;

namespace {

DownloadedSet assemble(const SetHeader& header, std::initializer_list<std::uint16_t> words, std::uint16_t base = 100)
{
    SetAssembler a(0, header, base);
    for (const std::uint16_t w : words) {
        if (!a.wantsWord())
            break;
        a.addWord(w);
    }
    return a.finish();
}

} // namespace

TEST(SetDecoder, decodeSetHeader_readsBigEndianFieldsAndIgnoresTheFirstByte)
{
    const auto h = decodeSetHeader(QByteArrayView("\x77\x00\x0A\x01\x02\x01", 6));
    ASSERT_TRUE(h);
    EXPECT_EQ(h->interval, 10);
    EXPECT_EQ(h->wordCount, 0x0102);
    EXPECT_EQ(h->triggerFlag, 1);
    EXPECT_FALSE(decodeSetHeader(QByteArrayView("\x00\x00\x0A\x00\x05", 5)));
}

TEST(SetDecoder, triggerMarkTakesTheNextWordAsATriggeredSample)
{
    const DownloadedSet s = assemble({10, 5, 1}, {0x0064, 0x8201, 0x0065, 0x0066, 0x0067, 0x0068});
    ASSERT_EQ(s.count(), 4);
    EXPECT_EQ(s.altitudes, (std::vector<double>{100, 101, 102, 103}));
    EXPECT_EQ(s.times, (std::vector<double>{0, 1, 2, 3}));
    EXPECT_EQ(s.triggerTimes, (std::vector<double>{1}));
    EXPECT_EQ(s.triggerAltitudes, (std::vector<double>{101}));
    EXPECT_EQ(s.maximum, 103);
    EXPECT_FALSE(s.endedEarly);
}

TEST(SetDecoder, wordsAreSignedAltitudes)
{
    const DownloadedSet s = assemble({1, 2, 0}, {0xFF9C, 0x7FFF});
    EXPECT_EQ(s.altitudes, (std::vector<double>{-100, 32767}));
}

TEST(SetDecoder, setThatStopsEarlyKeepsOnlyTheSamplesReceived)
{
    const DownloadedSet s = assemble({1, 300, 0}, {1, 2, 3});
    EXPECT_EQ(s.count(), 3);
    EXPECT_EQ(s.received, 3);
    EXPECT_TRUE(s.endedEarly);
}

TEST(SetDecoder, unannouncedSetRunsUntilTheWordsStopOr65535Samples)
{
    SetAssembler a(0, {1, 0, 0}, 100);
    int words = 0;
    while (a.wantsWord() && words < 70000) {
        a.addWord(1);
        ++words;
        EXPECT_EQ(a.progressPercent(), 0);
    }
    const DownloadedSet s = a.finish();
    EXPECT_EQ(words, 65535);
    EXPECT_EQ(s.count(), 65535);
    EXPECT_FALSE(s.endedEarly);
}

TEST(SetDecoder, wordAfterAMarkGetsTheLongerTimeLimit)
{
    SetAssembler a(0, {1, 3, 1}, 100);
    EXPECT_EQ(a.wordLimitMs(Timing{}), 500u);
    a.addWord(0x82FF);
    EXPECT_EQ(a.wordLimitMs(Timing{}), 1000u);
    a.addWord(0x8200); // the word after a mark is a sample, whatever its value
    EXPECT_EQ(a.wordLimitMs(Timing{}), 500u);
    const DownloadedSet s = a.finish();
    EXPECT_EQ(s.triggerAltitudes, (std::vector<double>{std::int16_t(0x8200)}));
}

TEST(SetDecoder, markThatEndsTheAnnouncedWordsDropsTheSampleBeyondTheCount)
{
    // Three words announced: sample, mark, sample after the mark -> the header counted two samples.
    const DownloadedSet s = assemble({1, 2, 1}, {5, 0x8200, 6});
    EXPECT_EQ(s.count(), 1);
    EXPECT_FALSE(s.endedEarly);
}

TEST(SetDecoder, sampleTimesDoNotOverflowForLongIntervals)
{
    const DownloadedSet s = assemble({65535, 3, 0}, {1, 2, 3}, 65535);
    EXPECT_DOUBLE_EQ(s.times[2], 2.0 * 65535.0 * 65535.0 * 0.001);
}

TEST(SetList, everyLineCountsAndTheListEndsAtAnEmptyReadOr256)
{
    SetListReader r;
    EXPECT_TRUE(r.addLine("12, 34"));
    EXPECT_TRUE(r.addLine("garbage"));
    EXPECT_FALSE(r.addLine(""));
    EXPECT_EQ(r.count(), 2);
    ASSERT_EQ(r.lines().size(), 1u);
    EXPECT_EQ(r.lines()[0].second, 34);

    SetListReader full;
    int accepted = 0;
    while (full.addLine("1, 2"))
        ++accepted;
    EXPECT_EQ(full.count(), 256);
}

TEST(SetList, parseSetLine_wrapsLikeAnUnsignedShort)
{
    const auto line = parseSetLine("65537,   -1");
    ASSERT_TRUE(line);
    EXPECT_EQ(line->first, 1);
    EXPECT_EQ(line->second, 65535);
    EXPECT_FALSE(parseSetLine("12 34"));
    EXPECT_EQ(setBoxRows(3), (QStringList{"1", "2", "3", "All"}));
    EXPECT_EQ(setBoxRows(0), (QStringList{"All"}));
}
