#include "data/DataFile.h"
#include "data/Plot.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace vimo;
using vimo::test::readFixture;

namespace {

int readFixtureInto(const char* name, Plot& plot)
{
    const QByteArray bytes = readFixture(QString::fromLatin1(name));
    EXPECT_TRUE(!bytes.isEmpty() || QString::fromLatin1(name) == QLatin1String("empty.csv")) << name;
    return datafile::readDataFile(bytes, plot);
}

void expectSample(const SampleSeries& s, int i, double time, double altitude, int tag = 0)
{
    ASSERT_LT(i, s.count());
    EXPECT_DOUBLE_EQ(s.time(i), time) << "sample " << i;
    EXPECT_DOUBLE_EQ(s.altitude(i), altitude) << "sample " << i;
    EXPECT_EQ(s.tag(i), tag) << "sample " << i;
}

} // namespace

TEST(DataFileRead, dataSetFileWithCrLfOrLfLoadsTheSameDataSet)
{
    for (const char* name : {"dataset_crlf.csv", "dataset_lf.csv"}) {
        SCOPED_TRACE(name);
        Plot plot;
        ASSERT_EQ(readFixtureInto(name, plot), 1);
        const DataSet& set = plot.signals.at(0);
        EXPECT_EQ(set.name(), QStringLiteral("Thermal 3"));
        EXPECT_EQ(set.notes[0], QStringLiteral("Field north"));
        EXPECT_EQ(set.notes[1], QStringLiteral("Wind 5 km/h"));
        EXPECT_EQ(set.notes[2], QStringLiteral("62.5 sec, interval=0.5 sec, max=131"));
        EXPECT_TRUE(set.trigger.visible);
        ASSERT_EQ(set.altitude.series.count(), 6);
        expectSample(set.altitude.series, 0, 0, 2);
        expectSample(set.altitude.series, 3, 1.5, 131, 1);
        expectSample(set.altitude.series, 5, 2.5, -3);
        ASSERT_EQ(set.trigger.series.count(), 2);
        expectSample(set.trigger.series, 0, 0.5, 14.5);
        expectSample(set.trigger.series, 1, 2, 120.75);
        EXPECT_EQ(set.rateMarkCount(), 2);
        EXPECT_EQ(set.rateMarks[1].first, 2);
        EXPECT_EQ(set.rateMarks[1].second, 5);
        // A data set file changes neither the plot's ranges nor its labels.
        EXPECT_EQ(plot.range(), PlotRange());
        EXPECT_EQ(plot.xLabel, QString::fromLatin1(Plot::kDefaultXLabel));
    }
}

TEST(DataFileRead, handWrittenFileWithLooseBlanksAndNoFinalLineEnd)
{
    Plot plot;
    ASSERT_EQ(readFixtureInto("handwritten.csv", plot), 1);
    const DataSet& set = plot.signals.at(0);
    EXPECT_EQ(set.name(), QStringLiteral("Hand made"));
    EXPECT_FALSE(set.trigger.visible);
    ASSERT_EQ(set.altitude.series.count(), 4);
    expectSample(set.altitude.series, 0, 0, 5);
    expectSample(set.altitude.series, 1, 1, 25, 1);
    expectSample(set.altitude.series, 2, 2, 50); // no peak mark field: 0
    expectSample(set.altitude.series, 3, 3.5, 75.25);
    EXPECT_EQ(set.rateMarkCount(), 1);
    EXPECT_EQ(set.rateMarks[0].second, 3);
}

TEST(DataFileRead, headerlessFileIsOneDataSetWithoutTriggerDataNamedByTheCounter)
{
    Plot plot;
    plot.signals.createDataSet(); // the start-up set takes Data000
    ASSERT_EQ(readFixtureInto("headerless.csv", plot), 1);
    const DataSet& set = plot.signals.at(1);
    EXPECT_EQ(set.name(), QStringLiteral("Data001"));
    EXPECT_FALSE(set.trigger.visible);
    ASSERT_EQ(set.altitude.series.count(), 4);
    expectSample(set.altitude.series, 1, 1, 3, 1);
    expectSample(set.altitude.series, 3, 3, 10, 0);
    EXPECT_EQ(set.trigger.series.count(), 0);
}

TEST(DataFileRead, plotFileOfTwoSetsAddsThemWithStylesNamesTextsAndRanges)
{
    Plot plot;
    plot.signals.createDataSet();
    ASSERT_EQ(readFixtureInto("plot_two_sets.csv", plot), 2);
    ASSERT_EQ(plot.signals.size(), 3);
    EXPECT_EQ(plot.signals.at(0).name(), QStringLiteral("Data000"));

    const DataSet& first = plot.signals.at(1);
    EXPECT_EQ(first.name(), QStringLiteral("Launch 1"));
    EXPECT_EQ(first.altitude.lineColor, 255u);
    EXPECT_EQ(first.altitude.lineStyle, 3);
    EXPECT_EQ(first.altitude.pointColor, 65280u);
    EXPECT_EQ(first.altitude.pointStyle, 2);
    EXPECT_EQ(first.trigger.pointColor, 16711935u);
    EXPECT_EQ(first.trigger.pointStyle, 4);
    EXPECT_TRUE(first.trigger.visible);
    ASSERT_EQ(first.altitude.series.count(), 3);
    expectSample(first.altitude.series, 2, 2, 80, 1);
    ASSERT_EQ(first.trigger.series.count(), 1);
    expectSample(first.trigger.series, 0, 1, 50);
    EXPECT_EQ(first.rateMarkCount(), 1);

    const DataSet& second = plot.signals.at(2);
    EXPECT_EQ(second.name(), QStringLiteral("Launch 2"));
    EXPECT_EQ(second.altitude.lineColor, 8388608u);
    EXPECT_EQ(second.trigger.pointStyle, 7);
    EXPECT_FALSE(second.trigger.visible);
    EXPECT_EQ(second.notes[2], QStringLiteral("n3"));
    ASSERT_EQ(second.altitude.series.count(), 2);
    expectSample(second.altitude.series, 1, 10, 200, 1);

    EXPECT_EQ(plot.title, QStringLiteral("Sunday flights"));
    EXPECT_EQ(plot.yLabel, QStringLiteral("Altitude (meters)"));
    EXPECT_EQ(plot.info2, QStringLiteral("Launch 1 and 2"));
    EXPECT_EQ(plot.info3, QString());
    // The ranges come from line 8 even though they do not fit the data; the home range is not touched.
    EXPECT_EQ(plot.range(), (PlotRange{-5, 65.5, 0, 250}));
    EXPECT_EQ(plot.homeRange, PlotRange());
}

TEST(DataFileRead, rangeLineFieldsThatDoNotParseLeaveTheirValues)
{
    Plot plot;
    datafile::readDataFile("Vimo Plot\n#\n#\n#\n#\n#\n#\n#1,2,nan,4\n", plot);
    EXPECT_EQ(plot.range(), (PlotRange{1, 20, 2, 20}));
    EXPECT_EQ(plot.signals.size(), 0);
}

TEST(DataFileRead, longNotesAreReadWholeAndCut)
{
    // Notes of 254 and 255 characters once shifted the block so that trigger marks landed in the peak tags.
    for (const int length : {254, 255, 400}) {
        SCOPED_TRACE(length);
        Plot plot;
        ASSERT_EQ(readFixtureInto(qPrintable(QStringLiteral("notes_%1.csv").arg(length)), plot), 1);
        const DataSet& set = plot.signals.at(0);
        EXPECT_EQ(set.name(), QStringLiteral("Long note"));
        for (const QString& note : set.notes) {
            EXPECT_EQ(note.size(), std::min(length, 255));
            EXPECT_TRUE(note.startsWith(QLatin1String("abcdefghijklmnopqrstuvwxyzab")));
        }
        EXPECT_TRUE(set.trigger.visible);
        ASSERT_EQ(set.altitude.series.count(), 2);
        expectSample(set.altitude.series, 1, 1, 2, 1);
        ASSERT_EQ(set.trigger.series.count(), 1);
        expectSample(set.trigger.series, 0, 1, 2);
        EXPECT_EQ(set.rateMarkCount(), 1);
    }
}

TEST(DataFileRead, plotTitleOf255CharactersStillLoadsItsDataSets)
{
    Plot plot;
    ASSERT_EQ(readFixtureInto("plot_title_255.csv", plot), 1);
    EXPECT_EQ(plot.title, QString(255, QLatin1Char('T')));
    EXPECT_EQ(plot.xLabel, QStringLiteral("X"));
    EXPECT_EQ(plot.signals.at(0).name(), QStringLiteral("One"));
    EXPECT_EQ(plot.range(), (PlotRange{0, 10, 0, 10}));
}

TEST(DataFileRead, textsAreUtf8OrWindows1252AndStayOnOneLine)
{
    struct Case {
        const char* file;
        QString name;
        QString note;
    };
    const Case cases[] = {
        // Not valid UTF-8: read as Windows-1252 (0xF6 o-umlaut, 0x80 euro, 0x93/0x94 quotes).
        {"windows1252.csv", QStringLiteral("H\u00F6he \u20AC"), QStringLiteral("\u201CQuote\u201D")},
        // UTF-8 after a byte order mark, which is skipped.
        {"utf8_bom.csv", QStringLiteral("H\u00F6he"), QStringLiteral("\u00DCber")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        Plot plot;
        ASSERT_EQ(readFixtureInto(c.file, plot), 1);
        EXPECT_EQ(plot.signals.at(0).name(), c.name);
        EXPECT_EQ(plot.signals.at(0).notes[0], c.note);
        EXPECT_EQ(plot.signals.at(0).altitude.series.count(), 1);
    }
}

TEST(DataFileRead, plotFileEndingInsideItsHeaderReadsTheMissingLinesAsEmpty)
{
    Plot plot;
    plot.title = QStringLiteral("before");
    ASSERT_EQ(datafile::readDataFile("Vimo Plot\n#Cut short\n#Time\n", plot), 0);
    EXPECT_EQ(plot.title, QStringLiteral("Cut short"));
    EXPECT_EQ(plot.yLabel, QString());
    EXPECT_EQ(plot.info3, QString());
}

// Bytes of which no line is a sample are no data file: nothing is added, and the reason is "not a Vimo data
// file". A complete block header without samples and a plot file without data sets are still Vimo files.
TEST(DataFileRead, bytesWithoutASampleLineAreRefusedAsNoDataFile)
{
    QByteArray random(20000, '\0');
    std::uint32_t x = 12345;
    for (char& c : random)
        c = char((x = x * 1103515245u + 12345u) >> 24);
    QByteArray utf16;
    for (const char c : QByteArray("#Name\n#T\n#A\n#\n#\n#\n#0,0,1,1,0\n0, 1, 0\n"))
        utf16 += QByteArray(1, c) + '\0'; // UTF-16 without a byte order mark
    const std::pair<const char*, QByteArray> refused[] = {
        {"empty", readFixture(QStringLiteral("empty.csv"))},
        {"random bytes", random},
        {"UTF-16 without byte order mark", utf16},
        {"status text", "Name:\tcat\nUmask:\t0022\nState:\tR (running)\nTgid:\t4242\n"},
        {"NUL inside", QByteArray("abc\0def", 8)},
        {"header cut short", readFixture(QStringLiteral("truncated_header.csv"))},
        {"garbage fixture", readFixture(QStringLiteral("binary_garbage.csv"))},
    };
    for (const auto& [what, bytes] : refused) {
        Plot plot;
        datafile::ReadReport report;
        EXPECT_EQ(datafile::readDataFile(bytes, plot, &report), -1) << what;
        EXPECT_TRUE(report.notDataFile) << what;
        EXPECT_EQ(plot.signals.size(), 0) << what;
        EXPECT_EQ(plot.signals.nameCounter(), 0) << what << ": no name was used up";
    }
    const std::pair<const char*, QByteArray> accepted[] = {
        {"block header without samples", "#Empty\n#T\n#A\n#\n#\n#\n#0,0,20,20,0\n"},
        {"plot file without data sets", "Vimo Plot\n#\n#\n#\n#\n#\n#\n#0,0,20,20\n"},
        {"one sample among garbage", "garbage\n\x01\x02\n5, 6\n"},
    };
    for (const auto& [what, bytes] : accepted) {
        Plot plot;
        EXPECT_GE(datafile::readDataFile(bytes, plot), 0) << what;
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("status.csv"));
    test::writeFile(path, "Name:\tcat\n");
    Plot plot;
    QString reason;
    EXPECT_EQ(datafile::loadDataFile(path, plot, &reason), -1);
    EXPECT_EQ(reason, QStringLiteral("not a Vimo data file"));
}

TEST(DataFileRead, unparsableSampleLinesKeepTheirIndexAndRepeatThePreviousSample)
{
    Plot plot;
    ASSERT_EQ(readFixtureInto("unparsable_samples.csv", plot), 1);
    const DataSet& set = plot.signals.at(0);
    const SampleSeries& s = set.altitude.series;
    ASSERT_EQ(s.count(), 8) << "the empty line is no sample";
    expectSample(s, 0, 0, 10);
    expectSample(s, 1, 0, 10); // text
    expectSample(s, 2, 3, 30); // no marks: both 0
    expectSample(s, 3, 3, 30); // nan does not parse
    expectSample(s, 4, 3, 30); // inf does not parse
    expectSample(s, 5, 3, 30); // 1e999 overflows: does not parse
    expectSample(s, 6, 6, 60); // trigger mark without peak mark
    expectSample(s, 7, 7, 70, 300 & 0xFF);
    // Only lines whose trigger mark parsed add trigger samples; the "#C" indices still point at the right samples.
    ASSERT_EQ(set.trigger.series.count(), 3);
    expectSample(set.trigger.series, 0, 0, 10);
    expectSample(set.trigger.series, 1, 6, 60);
    expectSample(set.trigger.series, 2, 7, 70);
    EXPECT_EQ(set.rateMarks[0].first, 1);
    EXPECT_EQ(set.rateMarks[0].second, 8);
}

TEST(DataFileRead, firstUnparsableSampleLineIsZero)
{
    Plot plot;
    datafile::readDataFile("x\n5, 6\n", plot);
    expectSample(plot.signals.at(0).altitude.series, 0, 0, 0);
    expectSample(plot.signals.at(0).altitude.series, 1, 5, 6);
}

TEST(DataFileRead, styleLinesWithMissingFieldsKeepDefaultsAndOddStylesAreKept)
{
    Plot plot;
    ASSERT_EQ(readFixtureInto("style_lines.csv", plot), 3);
    const DataSet& partial = plot.signals.at(0);
    EXPECT_EQ(partial.altitude.lineColor, 255u);
    EXPECT_EQ(partial.altitude.lineStyle, kLineDot);
    EXPECT_EQ(partial.altitude.pointColor, dataSetColors[0]);
    EXPECT_EQ(partial.altitude.pointStyle, kPointNone);
    EXPECT_EQ(partial.trigger.pointColor, dataSetColors[0]);
    EXPECT_EQ(partial.trigger.pointStyle, kPointTriangle);

    const DataSet& odd = plot.signals.at(1);
    EXPECT_EQ(odd.altitude.lineColor, 0xFFFFFFFFu);
    EXPECT_EQ(odd.altitude.lineStyle, 9);
    EXPECT_EQ(odd.altitude.pointStyle, -3);
    EXPECT_EQ(odd.trigger.pointStyle, 99);

    const DataSet& bare = plot.signals.at(2);
    EXPECT_EQ(bare.name(), QStringLiteral("Bare"));
    EXPECT_EQ(bare.altitude.lineColor, dataSetColors[2]);
    EXPECT_EQ(bare.altitude.lineStyle, kLineSolid);

    // Saved again exactly as read.
    EXPECT_TRUE(datafile::plotFileBytes(plot).contains("\r\n! -1, 9, 32768, -3, 16777215, 99\r\n#Odd styles\r\n"));
}

TEST(DataFileRead, rateMarksNeedTwoIndicesAndStopAt256)
{
    Plot plot;
    ASSERT_EQ(readFixtureInto("rate_marks.csv", plot), 1);
    const DataSet& set = plot.signals.at(0);
    EXPECT_EQ(set.rateMarkCount(), kRateMarkSlots);
    // "#C 5" is dropped; indices outside the series are kept as read.
    EXPECT_EQ(set.rateMarks[0].first, 7);
    EXPECT_EQ(set.rateMarks[0].second, 70000);
    EXPECT_EQ(set.rateMarks[1].first, -4);
    EXPECT_EQ(set.rateMarks[2].first, 0);
    EXPECT_EQ(set.rateMarks[255].first, 253); // the last two "#C" lines found no free slot
    EXPECT_TRUE(datafile::dataSetFileBytes(plot, 0).contains("\r\n#C 7, 70000\r\n#C -4, 2\r\n"));
}

TEST(DataFileRead, lineSevenWithFourNumbersOrAFlagWithoutLowBitsMeansNoTriggerData)
{
    Plot plot;
    ASSERT_EQ(readFixtureInto("line7_four_numbers.csv", plot), 1);
    const DataSet& set = plot.signals.at(0);
    EXPECT_FALSE(set.trigger.visible);
    expectSample(set.altitude.series, 0, 0, 1, 1); // the third field is the peak mark

    datafile::readDataFile("#N\n#\n#\n#\n#\n#\n#0,0,1,1,256\n0, 1, 1, 0\n", plot);
    EXPECT_FALSE(plot.signals.at(1).trigger.visible);
    EXPECT_EQ(plot.signals.at(1).trigger.series.count(), 0);
}

TEST(DataFileRead, blockBeyondCapacityStopsFillingButKeepsItsRateMarksAndTheNextDataSet)
{
    QByteArray bytes = "Vimo Plot\r\n#\r\n#\r\n#\r\n#\r\n#\r\n#\r\n#0,0,1,1\r\n! 1, 1, 1, 1, 1, 1\r\n"
                       "#Big\r\n#\r\n#\r\n#\r\n#\r\n#\r\n#0,0,1,1,1\r\n";
    for (int i = 0; i < SampleSeries::kCapacity + 4; ++i)
        bytes += QByteArray::number(i) + ", 1, " + (i == SampleSeries::kCapacity + 2 ? "1" : "0") + ", 0\r\n";
    bytes += "#C 0, 65535\r\n! 2, 2, 2, 2, 2, 2\r\n#Next\r\n#\r\n#\r\n#\r\n#\r\n#\r\n#0,0,1,1,0\r\n3, 4, 0\r\n";
    Plot plot;
    ASSERT_EQ(datafile::readDataFile(bytes, plot), 2);
    const DataSet& big = plot.signals.at(0);
    EXPECT_EQ(big.altitude.series.count(), SampleSeries::kCapacity);
    EXPECT_DOUBLE_EQ(big.altitude.series.time(SampleSeries::kCapacity - 1), SampleSeries::kCapacity - 1);
    EXPECT_EQ(big.trigger.series.count(), 0); // the marked line lies beyond the capacity
    EXPECT_EQ(big.rateMarkCount(), 1);
    EXPECT_EQ(plot.signals.at(1).name(), QStringLiteral("Next"));
    EXPECT_EQ(plot.signals.at(1).altitude.lineColor, 2u);
}

TEST(DataFileRead, loadingAddsToTheDataSetsAlreadyThere)
{
    Plot plot;
    plot.signals.createDataSet();
    const QByteArray bytes = readFixture(QStringLiteral("dataset_crlf.csv"));
    datafile::readDataFile(bytes, plot);
    datafile::readDataFile(bytes, plot);
    ASSERT_EQ(plot.signals.size(), 3);
    EXPECT_EQ(plot.signals.at(0).altitude.series.count(), 21);
    EXPECT_EQ(plot.signals.at(2).name(), QStringLiteral("Thermal 3"));
    EXPECT_EQ(plot.signals.at(2).altitude.lineColor, dataSetColors[2]);
}

// Files that load with lines that could not be read say how many and where the first is; clean files say nothing.
TEST(DataFileRead, unreadableLinesAreCountedWithTheFirstLineNumber)
{
    struct Case {
        const char* file;
        int lines;
        int first;
    };
    const Case cases[] = {
        {"decimal_comma_line_8.csv", 2, 8},
        {"unparsable_samples.csv", 4, 10}, // text, nan, inf, 1e999
        {"rate_marks.csv", 1, 10},         // "#C 5"
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        Plot plot;
        datafile::ReadReport report;
        datafile::readDataFile(test::readFixture(QString::fromLatin1(c.file)), plot, &report);
        EXPECT_EQ(report.unreadableLines, c.lines);
        EXPECT_EQ(report.firstUnreadableLine, c.first);
        const QString expected =
            c.lines == 1
                ? QStringLiteral("Line %1 could not be read.").arg(c.first)
                : QStringLiteral("%1 lines could not be read, the first of them line %2.").arg(c.lines).arg(c.first);
        EXPECT_EQ(report.warnings(), QStringList{expected});
    }
    datafile::ReadReport report;
    for (const char* clean : {"dataset_crlf.csv", "plot_two_sets.csv", "handwritten.csv", "dataset_lf.csv"}) {
        Plot plot;
        datafile::readDataFile(test::readFixture(QString::fromLatin1(clean)), plot, &report);
        EXPECT_TRUE(report.clean()) << clean << ": first unreadable line " << report.firstUnreadableLine;
    }
}

// A lone CR ends a line wherever it stands, also between LF lines: a feet file with a few CR-only line ends reads
// as the same file with LF line ends (its label is not swallowed, so its unit stays feet). A file with a UTF-16 byte
// order mark is read as the text it is.
TEST(DataFileRead, loneCrBetweenLfLinesIsALineEndAndUtf16WithAByteOrderMarkIsRead)
{
    const QByteArray lf = "#Feet\n#Time\n#Altitude (feet)\n#a\n#b\n#c\n#0,0,9,9,0\n0, 10, 0\n1, 20, 0\n2, 30, 0\n";
    QByteArray mixed = lf;
    mixed.replace("#Feet\n", "#Feet\r").replace("1, 20, 0\n", "1, 20, 0\r");
    Plot plot;
    ASSERT_EQ(datafile::readDataFile(mixed, plot), 1);
    EXPECT_EQ(plot.signals.at(0).name(), QStringLiteral("Feet"));
    EXPECT_EQ(plot.signals.at(0).altitudeLabel, QStringLiteral("Altitude (feet)"));
    EXPECT_EQ(plot.signals.at(0).altitude.series.count(), 3);
    EXPECT_EQ(plot.signals.at(0).altitude.series.altitude(2), 30);

    Plot name;
    ASSERT_EQ(readFixtureInto("bare_cr_in_text.csv", name), 1);
    EXPECT_EQ(name.signals.at(0).name(), QStringLiteral("Name")) << "the CR ended the name's line";

    Plot utf16;
    datafile::ReadReport report;
    ASSERT_EQ(datafile::readDataFile(readFixture(QStringLiteral("utf16_line_1.csv")), utf16, &report), 1);
    EXPECT_TRUE(report.clean()) << report.warnings().join(' ').toStdString();
    EXPECT_EQ(utf16.signals.at(0).altitude.series.count(), 2);
    EXPECT_EQ(utf16.signals.at(0).altitude.series.altitude(1), 2);
}

TEST(DataFileRead, crOnlyLineEndsAreLineEndsAndBlankLinesAreNoSamples)
{
    Plot plot;
    ASSERT_EQ(readFixtureInto("cr_only_line_ends.csv", plot), 1);
    EXPECT_EQ(plot.signals.at(0).name(), QStringLiteral("Mac"));
    EXPECT_EQ(plot.signals.at(0).altitude.series.count(), 2);
    EXPECT_EQ(plot.signals.at(0).altitude.series.altitude(1), 2);

    ASSERT_EQ(readFixtureInto("trailing_blank_lines.csv", plot), 1);
    EXPECT_EQ(plot.signals.at(1).altitude.series.count(), 3);
}

TEST(DataFileRead, dataSetCutAtCapacityAndPlotFilesBeyondTheDataSetLimitSaySo)
{
    QByteArray lines;
    for (int i = 0; i <= SampleSeries::kCapacity; ++i)
        lines += "1, 2, 0\n";
    Plot plot;
    datafile::ReadReport report;
    datafile::readDataFile(lines, plot, &report);
    EXPECT_EQ(report.cutDataSets, 1);
    EXPECT_EQ(report.unreadableLines, 0);
    EXPECT_EQ(report.warnings(),
              QStringList{QStringLiteral(
                  "1 data set(s) held more than 65536 samples: the samples after 65536 were not loaded.")});

    // A plot file of endless "!" lines keeps the first data sets instead of taking all memory.
    QByteArray many = "Vimo Plot\n#\n#\n#\n#\n#\n#\n#0,0,20,20\n";
    for (int k = 0; k < datafile::kMaxDataSetsPerFile + 5; ++k)
        many += "!\n";
    Plot big;
    EXPECT_EQ(datafile::readDataFile(many, big, &report), datafile::kMaxDataSetsPerFile);
    EXPECT_TRUE(report.dataSetsRefused);
    EXPECT_EQ(report.warnings().last(),
              QStringLiteral("The file holds more than 1000 data sets: only the first 1000 were loaded."));
}

#ifdef Q_OS_UNIX
// A FIFO without a writer used to block the load forever inside open().
TEST(DataFileRead, fifoIsRefusedWithoutBlocking)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("flight.csv"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    Plot plot;
    QString reason;
    EXPECT_EQ(datafile::loadDataFile(fifo, plot, &reason), -1);
    EXPECT_EQ(reason, QStringLiteral("Not a regular file"));
    EXPECT_EQ(plot.signals.size(), 0);
}
#endif
