#include "plot/Crop.h"

#include "PlotTestData.h"

#include <gtest/gtest.h>

using namespace vimo;

namespace {

void addTrigger(DataSet& set, int sample)
{
    set.trigger.series.append(set.altitude.series.time(sample), set.altitude.series.altitude(sample));
}

} // namespace

TEST(Crop, keepsTheVisibleSamplesAndTriggersOfASetSampledFromZero)
{
    Plot plot;
    DataSet& set = test::addEvenSet(plot, 101, 0, 1000); // times 0..100, altitudes 1000..1100
    for (const int s : {10, 30, 35, 60, 61, 70})
        addTrigger(set, s);
    set.altitude.series.setTag(45, 1);
    plot.setRange({30, 60, 0, 20});

    cropToView(plot);

    const SampleSeries& s = set.altitude.series;
    ASSERT_EQ(s.count(), 31);
    for (int i = 0; i <= 30; ++i) {
        EXPECT_EQ(s.time(i), i);
        EXPECT_EQ(s.altitude(i), 1030 + i);
        EXPECT_EQ(s.tag(i), i == 15 ? 1 : 0) << i;
    }
    const SampleSeries& t = set.trigger.series;
    ASSERT_EQ(t.count(), 3);
    EXPECT_EQ(t.time(0), 0);
    EXPECT_EQ(t.altitude(0), 1030);
    EXPECT_EQ(t.time(1), 5);
    EXPECT_EQ(t.time(2), 30);
    // Both axes are scaled to what is left, and that is home.
    EXPECT_EQ(plot.range(), (PlotRange{0, 40, 1030, 1070}));
    EXPECT_EQ(plot.homeRange, plot.range());
}

// The triggers used to move back by time[first], which put them beside their samples whenever a set did not
// start at time 0 (for example after a Time Offset).
TEST(Crop, triggersStayOnTheirSamplesWhenTheSetStartsLater)
{
    Plot plot;
    DataSet& set = test::addEvenSet(plot, 101, 100, 0); // times 100..200, altitude = time - 100
    addTrigger(set, 35);                                // (135, 35)
    plot.setRange({130, 160, 0, 20});

    cropToView(plot);

    const SampleSeries& s = set.altitude.series;
    ASSERT_EQ(s.count(), 31);
    EXPECT_EQ(s.time(0), 100);
    EXPECT_EQ(s.altitude(0), 30);
    ASSERT_EQ(set.trigger.series.count(), 1);
    const double triggerTime = set.trigger.series.time(0);
    EXPECT_EQ(triggerTime, 105);
    const int sample = s.nearestIndex(triggerTime);
    EXPECT_EQ(s.time(sample), triggerTime);
    EXPECT_EQ(s.altitude(sample), set.trigger.series.altitude(0)) << "the trigger sits on the sample it marked";
}

TEST(Crop, rateMarksFollowTheirSamplesOrAreFreed)
{
    Plot plot;
    DataSet& set = test::addEvenSet(plot, 101);
    set.addRateMark(40, 50);  // inside: follows
    set.addRateMark(20, 40);  // starts before the view: freed
    set.addRateMark(55, 61);  // ends after it: freed
    set.addRateMark(-3, 500); // read from a file, outside the series: freed
    set.addRateMark(60, 30);  // reversed but inside: follows
    plot.setRange({30, 60, 0, 20});

    cropToView(plot);

    EXPECT_EQ(set.rateMarkCount(), 2);
    EXPECT_TRUE(set.rateMarks[0].inUse);
    EXPECT_EQ(set.rateMarks[0].first, 10);
    EXPECT_EQ(set.rateMarks[0].second, 20);
    EXPECT_FALSE(set.rateMarks[1].inUse);
    EXPECT_FALSE(set.rateMarks[2].inUse);
    EXPECT_FALSE(set.rateMarks[3].inUse);
    EXPECT_EQ(set.rateMarks[4].first, 30);
    EXPECT_EQ(set.rateMarks[4].second, 0);
}

TEST(Crop, setsWithoutSamplesInTheViewStayAsTheyAre)
{
    Plot plot;
    DataSet& early = test::addEvenSet(plot, 21);                    // 0..20: left of the view
    DataSet& gap = test::addSet(plot, {{0, 1}, {10, 2}, {100, 3}}); // nothing between 30 and 60
    DataSet& empty = test::addSet(plot, {});
    DataSet& inside = test::addEvenSet(plot, 101);
    early.addRateMark(1, 2);
    addTrigger(early, 5);
    plot.setRange({30, 60, 0, 20});

    cropToView(plot);

    EXPECT_EQ(early.altitude.series.count(), 21);
    EXPECT_EQ(early.rateMarkCount(), 1);
    EXPECT_EQ(early.trigger.series.count(), 1);
    EXPECT_EQ(gap.altitude.series.count(), 3);
    EXPECT_EQ(empty.altitude.series.count(), 0);
    EXPECT_EQ(inside.altitude.series.count(), 31);
}

TEST(Crop, viewRightOfAllDataChangesNoSampleButStillScales)
{
    Plot plot;
    DataSet& set = test::addEvenSet(plot, 88);
    plot.setRange({500, 600, 0, 20});
    cropToView(plot);
    EXPECT_EQ(set.altitude.series.count(), 88);
    EXPECT_EQ(plot.range(), (PlotRange{0, 90, 0, 90}));
}
