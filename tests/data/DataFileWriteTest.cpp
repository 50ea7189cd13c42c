#include "SampleData.h"
#include "data/DataFile.h"

#include <clocale>
#include <gtest/gtest.h>
#include <string>

using namespace vimo;
using vimo::test::addDataSet;

TEST(DataFileWrite, threeSamplesWithATriggerAtOneSecond_marksOnlyTheMiddleLine)
{
    Plot plot;
    addDataSet(plot, {{0, 10}, {1, 12.5}, {2, 11}}, {1});
    EXPECT_EQ(datafile::dataSetFileBytes(plot, 0), QByteArray("#Data000\r\n"
                                                              "#Time (sec)\r\n"
                                                              "#Altitude (Feet)\r\n"
                                                              "#\r\n#\r\n#\r\n"
                                                              "#0,0,20,20,1\r\n"
                                                              "   0.0000,   10.0000, 0, 0\r\n"
                                                              "   1.0000,   12.5000, 1, 0\r\n"
                                                              "   2.0000,   11.0000, 0, 0\r\n"));
}

TEST(DataFileWrite, triggerBetweenSamplesMarksTheLaterOne_andOneAfterTheLastMarksNone)
{
    Plot plot;
    DataSet& set = addDataSet(plot, {{0, 1}, {1, 2}, {2, 3}});
    set.trigger.series.append(0.4, 1.5); // between samples 0 and 1
    set.trigger.series.append(0.6, 1.7); // the sample after the previous mark with a time at or after it: sample 2
    set.trigger.series.append(9, 9);     // after the last sample: lost
    const QByteArray bytes = datafile::dataSetFileBytes(plot, 0);
    EXPECT_TRUE(bytes.contains("   0.0000,    1.0000, 0, 0\r\n"));
    EXPECT_TRUE(bytes.contains("   1.0000,    2.0000, 1, 0\r\n"));
    EXPECT_TRUE(bytes.contains("   2.0000,    3.0000, 1, 0\r\n"));
}

TEST(DataFileWrite, withoutTriggerDataLineSevenEndsInZeroAndSamplesCarryOnlyThePeakMark)
{
    Plot plot;
    plot.setRange({-1.5, 100, 0.25, 1234567});
    DataSet& set = addDataSet(plot, {{0, 1}, {0.5, -2.125}});
    set.trigger.visible = false;
    set.altitude.series.setTag(1, 255);
    set.addRateMark(0, 1);
    set.rateMarks[7] = RateMark{-3, 70000, true}; // indices kept as they are, even outside the series
    const QByteArray bytes = datafile::dataSetFileBytes(plot, 0);
    EXPECT_TRUE(bytes.endsWith("#-1.5,0.25,100,1.23457e+06,0\r\n"
                               "   0.0000,    1.0000, 0\r\n"
                               "   0.5000,   -2.1250, 255\r\n"
                               "#C 0, 1\r\n"
                               "#C -3, 70000\r\n"))
        << bytes.toStdString();
}

TEST(DataFileWrite, plotFileWithoutDataSetsHoldsOnlyItsEightHeaderLines)
{
    Plot plot;
    plot.info1 = QStringLiteral("Info one");
    EXPECT_EQ(datafile::plotFileBytes(plot), QByteArray("Vimo Plot\r\n"
                                                        "#Altitude versus Time\r\n"
                                                        "#Time (sec)\r\n"
                                                        "#Altitude (Feet)\r\n"
                                                        "#Info one\r\n"
                                                        "#\r\n"
                                                        "#\r\n"
                                                        "#0,0,20,20\r\n"));
}

TEST(DataFileWrite, plotFileStyleLinesKeepOutOfRangeValuesAsStored)
{
    Plot plot;
    addDataSet(plot, {{0, 1}});
    DataSet& odd = addDataSet(plot, {{0, 1}});
    odd.altitude.lineColor = 0xFFFFFFFF; // read from a file as -1
    odd.altitude.lineStyle = 9;
    odd.altitude.pointStyle = -3;
    odd.trigger.pointColor = 0x808000;
    odd.trigger.pointStyle = 99;
    const QByteArray bytes = datafile::plotFileBytes(plot);
    EXPECT_TRUE(bytes.contains("\r\n! 16711680, 1, 16711680, 0, 16711680, 7\r\n#Data000\r\n"));
    EXPECT_TRUE(bytes.contains("\r\n! -1, 9, 255, -3, 8421376, 99\r\n#Data001\r\n"));
}

TEST(DataFileWrite, textsAreWrittenOnOneLineCutToTheirFieldsInUtf8)
{
    Plot plot;
    plot.title = QStringLiteral("Two\r\nlines");
    plot.info2 = QString(300, QChar(0x00F6));
    DataSet& set = addDataSet(plot, {});
    set.altitude.name = QStringLiteral("A name that is far too long"); // set around rename's rule
    set.notes[0] = QStringLiteral("one\ntwo");
    const QByteArray plotBytes = datafile::plotFileBytes(plot);
    EXPECT_TRUE(plotBytes.contains("\r\n#Two  lines\r\n"));
    const QByteArray cutInfo = QByteArray(255, 'x').replace("x", "\xC3\xB6");
    EXPECT_TRUE(plotBytes.contains(QByteArray(QByteArray("\r\n#") + cutInfo + QByteArray("\r\n"))));
    const QByteArray setBytes = datafile::dataSetFileBytes(plot, 0);
    EXPECT_TRUE(setBytes.startsWith("#A name that is far \r\n"));
    EXPECT_TRUE(setBytes.contains("\r\n#one two\r\n"));
}

TEST(DataFileWrite, noDataSetAtThatPositionGivesNoBytes)
{
    Plot plot;
    EXPECT_TRUE(datafile::dataSetFileBytes(plot, 0).isEmpty());
    EXPECT_TRUE(datafile::dataSetFileBytes(plot, -1).isEmpty());
}

TEST(DataFileWrite, commaDecimalLocaleChangesNoByte_locale)
{
    Plot plot;
    plot.setRange({0.5, 10.25, -0.5, 2.75});
    addDataSet(plot, {{0.5, 12.25}, {1.5, -0.125}}, {1});
    const QByteArray before = datafile::plotFileBytes(plot);
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        GTEST_SKIP() << "de_DE.UTF-8 not generated on this machine";
    const QByteArray after = datafile::plotFileBytes(plot);
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(after, before);
    EXPECT_TRUE(after.contains("#0.5,-0.5,10.25,2.75,1\r\n   0.5000,   12.2500, 0, 0\r\n"));
}
