#include "data/Corrections.h"
#include "SampleData.h"
#include "data/PhotoList.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

using namespace vimo;
using vimo::test::addDataSet;

namespace {

DataSetProperties shifted(const DataSetList& list, const char* time, const char* altitude)
{
    DataSetProperties p = dataSetProperties(list, 0);
    p.timeOffset = QString::fromLatin1(time);
    p.altitudeOffset = QString::fromLatin1(altitude);
    return p;
}

// The trigger refresh as a scan of every pair, the last match winning: the reference for the binary search.
std::vector<double> refreshedByScan(const SampleSeries& samples, const SampleSeries& triggers)
{
    std::vector<double> out;
    for (int t = 0; t < triggers.count(); ++t) {
        double altitude = triggers.altitude(t);
        for (int l = 0; l < samples.count(); ++l) {
            if (std::fabs(triggers.time(t) - samples.time(l)) <= 0.001)
                altitude = samples.altitude(l);
        }
        out.push_back(altitude);
    }
    return out;
}

} // namespace

TEST(Apply, timeOffsetFiveMovesSamplesAndTriggersAndASecondApplyMovesThemAgain)
{
    Plot plot;
    addDataSet(plot, {{0, 1}, {1, 2}}, {1});
    const DataSetProperties p = shifted(plot.signals, "5", "0");
    ASSERT_TRUE(applyDataSetProperties(plot.signals, 0, p));
    const DataSet& set = plot.signals.at(0);
    EXPECT_DOUBLE_EQ(set.altitude.series.time(0), 5);
    EXPECT_DOUBLE_EQ(set.trigger.series.time(0), 6);
    applyDataSetProperties(plot.signals, 0, p);
    EXPECT_DOUBLE_EQ(set.altitude.series.time(0), 10);
    EXPECT_DOUBLE_EQ(set.trigger.series.time(0), 11);
    EXPECT_DOUBLE_EQ(set.altitude.series.altitude(1), 2);
    EXPECT_EQ(set.altitude.timeOffset, 0); // the transform fields are not where shifts go
}

TEST(Apply, shiftsOfAtMostTheThresholdAreNotApplied)
{
    Plot plot;
    addDataSet(plot, {{0, 1}}, {0});
    const DataSet& set = plot.signals.at(0);
    for (const char* small : {"0.00001", "-0.00001", "0.000009", "x", "nan", "1e999"})
        applyDataSetProperties(plot.signals, 0, shifted(plot.signals, small, small));
    EXPECT_EQ(set.altitude.series.time(0), 0);
    EXPECT_EQ(set.altitude.series.altitude(0), 1);
    applyDataSetProperties(plot.signals, 0, shifted(plot.signals, "0", "-0.00002"));
    EXPECT_DOUBLE_EQ(set.altitude.series.altitude(0), 1 - 0.00002);
    EXPECT_DOUBLE_EQ(set.trigger.series.altitude(0), 1 - 0.00002);
}

TEST(Apply, writesColoursStylesScalesNameAndNotesCutToTheirFields)
{
    Plot plot;
    addDataSet(plot, {{0, 1}});
    DataSetProperties p = dataSetProperties(plot.signals, 0);
    EXPECT_EQ(p.timeOffset, QStringLiteral("0.000000"));
    EXPECT_EQ(p.altitudeScale, QStringLiteral("1.000000"));
    p.lineColor = 0x0000FF;
    p.pointColor = 0x00FF00;
    p.triggerColor = 0x123456;
    p.lineStyle = kLineDash;
    p.pointStyle = kPointSquare;
    p.triggerStyle = 12; // an odd value is stored as given
    p.timeScale = QStringLiteral("2.5");
    p.altitudeScale = QStringLiteral("abc"); // does not parse: left as it was
    p.name = QStringLiteral("Morning\nflight number one");
    p.notes = {QString(300, QLatin1Char('n')), QStringLiteral("a\r\nb"), QString()};
    ASSERT_TRUE(applyDataSetProperties(plot.signals, 0, p));

    const DataSet& set = plot.signals.at(0);
    EXPECT_EQ(set.altitude.lineColor, 0x0000FFu);
    EXPECT_EQ(set.altitude.pointColor, 0x00FF00u);
    EXPECT_EQ(set.trigger.pointColor, 0x123456u);
    EXPECT_EQ(set.altitude.lineStyle, kLineDash);
    EXPECT_EQ(set.altitude.pointStyle, kPointSquare);
    EXPECT_EQ(set.trigger.pointStyle, 12);
    EXPECT_EQ(set.altitude.timeScale, 2.5);
    EXPECT_EQ(set.altitude.altitudeScale, 1);
    EXPECT_EQ(set.name(), QStringLiteral("Morning flight numb"));
    EXPECT_EQ(set.notes[0].size(), 255);
    EXPECT_EQ(set.notes[1], QStringLiteral("a  b"));
    EXPECT_EQ(plot.signals.data(plot.signals.index(0)).toString(), set.name());

    EXPECT_FALSE(applyDataSetProperties(plot.signals, 1, p));
    EXPECT_FALSE(applyDataSetProperties(plot.signals, -1, p));
}

TEST(FixOffset, lowestPointBecomesZeroForBothSeriesAndNoteThreeGetsTheNewMaximum)
{
    Plot plot;
    DataSet& set = addDataSet(plot, {{0, 10}, {1, 12}, {2, 11}}, {1, 2});
    set.notes[2] = QStringLiteral("1.5 sec, interval=0.5 sec, max=12");
    ASSERT_TRUE(fixOffset(plot, 0));
    EXPECT_EQ(set.altitude.series.altitudes(), (std::vector<double>{0, 2, 1}));
    EXPECT_EQ(set.trigger.series.altitudes(), (std::vector<double>{2, 1}));
    EXPECT_EQ(set.notes[2], QStringLiteral("1.5 sec, interval=0.5 sec, max=2"));
    EXPECT_EQ(plot.yMin, 0); // the altitude axis is scaled again
    EXPECT_EQ(plot.yMax, 3);
    EXPECT_FALSE(fixOffset(plot, 1));
}

TEST(FixOffset, altitudesAtOrAbove99999StillEndWithTheLowestAtZero)
{
    // A search that starts at 99999 would find no lower value and shift everything by 99999.
    Plot plot;
    DataSet& set = addDataSet(plot, {{0, 100002}, {1, 100000}});
    set.notes[2] = QStringLiteral("max=1");
    fixOffset(plot, 0);
    EXPECT_EQ(set.altitude.series.altitudes(), (std::vector<double>{2, 0}));
    EXPECT_EQ(set.notes[2], QStringLiteral("max=2"));
}

TEST(FixOffset, emptySeriesChangesNoSampleAndReportsTheEmptyMaximum)
{
    Plot plot;
    DataSet& set = addDataSet(plot, {});
    set.trigger.series.append(1, 50);
    set.notes[2] = QStringLiteral("max=7");
    fixOffset(plot, 0);
    EXPECT_EQ(set.trigger.series.altitude(0), 50);
    EXPECT_EQ(set.notes[2], QStringLiteral("max=-99999"));
}

TEST(FixDrift, hundredSamplesLevelTheLineBetweenTheTwoLowPoints)
{
    Plot plot;
    std::vector<std::pair<double, double>> samples;
    for (int i = 0; i < 100; ++i)
        samples.emplace_back(i, 50);
    samples[2].second = 5;
    samples[95].second = 9;
    samples[97].second = 9; // a tie: the earlier index wins
    DataSet& set = addDataSet(plot, samples, {50, 95});
    set.trigger.series.append(50.5, 77); // no altitude sample within 0.001 s: keeps its altitude
    plot.info3 = QStringLiteral("Day 1 max=50");

    ASSERT_EQ(fixDrift(plot, 0), DriftResult::Fixed);
    const SampleSeries& s = set.altitude.series;
    const double slope = 4.0 / 93.0;
    EXPECT_DOUBLE_EQ(s.altitude(0), 5);
    EXPECT_DOUBLE_EQ(s.altitude(1), 5);
    EXPECT_DOUBLE_EQ(s.altitude(2), 5);
    EXPECT_DOUBLE_EQ(s.altitude(50), 50 - 48 * slope);
    EXPECT_DOUBLE_EQ(s.altitude(94), 50 - 92 * slope);
    for (int i = 95; i < 100; ++i)
        EXPECT_NEAR(s.altitude(i), 5, 1e-12) << i;
    EXPECT_DOUBLE_EQ(set.trigger.series.altitude(0), s.altitude(50));
    EXPECT_DOUBLE_EQ(set.trigger.series.altitude(1), s.altitude(95));
    EXPECT_EQ(set.trigger.series.altitude(2), 77);
    EXPECT_EQ(plot.info3, QStringLiteral("Day 1 max=49.957")); // 50 - 4/93 at sample 3
    EXPECT_EQ(plot.yMin, 0);
    EXPECT_EQ(plot.yMax, 50);
}

TEST(FixDrift, emptySearchWindowChangesNothingAndSaysWhy)
{
    Plot plot;
    std::vector<std::pair<double, double>> nine;
    for (int i = 0; i < 9; ++i)
        nine.emplace_back(i, i);
    addDataSet(plot, nine);
    plot.info3 = QStringLiteral("max=1");
    const PlotRange before = plot.range();
    EXPECT_EQ(fixDrift(plot, 0), DriftResult::TooFewSamples);

    std::vector<std::pair<double, double>> high(20, {0, 50});
    for (int i = 18; i < 20; ++i)
        high[std::size_t(i)].second = 99999; // the last window holds nothing below 99999
    DataSet& second = addDataSet(plot, high);
    EXPECT_EQ(fixDrift(plot, 1), DriftResult::NoLowPoint);
    EXPECT_EQ(second.altitude.series.altitude(0), 50);
    EXPECT_EQ(second.altitude.series.altitude(19), 99999);

    EXPECT_EQ(plot.signals.at(0).altitude.series.altitude(8), 8);
    EXPECT_EQ(plot.info3, QStringLiteral("max=1"));
    EXPECT_EQ(plot.range(), before);
    EXPECT_EQ(fixDrift(plot, 2), DriftResult::NoDataSet);
    for (const DriftResult r : {DriftResult::TooFewSamples, DriftResult::NoLowPoint, DriftResult::NoDataSet})
        EXPECT_FALSE(driftMessage(r).isEmpty());
    EXPECT_TRUE(driftMessage(DriftResult::Fixed).isEmpty());
}

TEST(FixDrift, triggerRefreshBySearchEqualsTheScanOfEveryPair)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> step(0, 3);
    std::uniform_real_distribution<double> jitter(-0.0015, 0.0015);
    for (int round = 0; round < 50; ++round) {
        SampleSeries samples(true);
        SampleSeries triggers(false);
        double time = 0;
        for (int i = 0; i < 200; ++i) {
            time += step(random) * 0.0005; // repeated times and neighbours closer than the tolerance
            samples.append(time, i);
        }
        for (int t = 0; t < 60; ++t) {
            const int i = int(random() % 200);
            triggers.append(samples.time(i) + (t % 3 == 0 ? 0 : jitter(random)), -1);
        }
        const std::vector<double> expected = refreshedByScan(samples, triggers);
        refreshTriggerAltitudes(samples, triggers);
        EXPECT_EQ(triggers.altitudes(), expected) << "round " << round;
    }
    // Times out of order (a hand-made file) give the scan's result too.
    SampleSeries samples(true);
    SampleSeries triggers(false);
    for (const double t : {5.0, 1.0, 5.0, 3.0})
        samples.append(t, samples.count());
    triggers.append(5.0005, -1);
    triggers.append(3, -1);
    const std::vector<double> expected = refreshedByScan(samples, triggers);
    refreshTriggerAltitudes(samples, triggers);
    EXPECT_EQ(triggers.altitudes(), expected);
    EXPECT_EQ(triggers.altitude(0), 2);
}

TEST(RewriteMax, replacesFromTheFirstMarkerOnAndNeverExceedsTheField)
{
    EXPECT_EQ(rewriteMax(QStringLiteral("62.5 sec, interval=0.5 sec, max=131"), 140),
              QStringLiteral("62.5 sec, interval=0.5 sec, max=140"));
    EXPECT_EQ(rewriteMax(QStringLiteral("a max=1 b max=2"), 1234567), QStringLiteral("a max=1.23457e+06"));
    EXPECT_EQ(rewriteMax(QStringLiteral("no marker here"), 5), QStringLiteral("no marker here"));
    const QString full = QString(250, QLatin1Char('x')) + QStringLiteral("max=1");
    const QString rewritten = rewriteMax(full, 123456);
    EXPECT_EQ(rewritten.size(), 255);
    EXPECT_EQ(rewritten, QString(250, QLatin1Char('x')) + QStringLiteral("max=1"));
}

TEST(PhotoList, listsTheTriggerSamplesUnderTheTextsAndAHeading)
{
    Plot plot;
    DataSet& set = addDataSet(plot, {{0, 0}, {1, 12.5}, {2.25, 1234567}}, {1, 2});
    set.notes[0] = QStringLiteral("Note\none");
    EXPECT_EQ(photoListBytes(plot, 0), QByteArray("#Altitude versus Time\r\n"
                                                  "#Time (sec)\r\n"
                                                  "#Altitude (Feet)\r\n"
                                                  "#Note one\r\n"
                                                  "#\r\n"
                                                  "#\r\n"
                                                  "# pic    time   altitude\r\n"
                                                  "    1,      1,   12.5\r\n"
                                                  "    2,   2.25, 1.23457e+06\r\n"));
    EXPECT_EQ(savePhotoList(QStringLiteral("unused.txt"), plot, 3), SaveStatus::NoDataSet);
}
