#include "plot/DragRules.h"

#include "PlotTestData.h"

#include <gtest/gtest.h>

using namespace vimo;

TEST(Drag, countsOnlyWithAtLeastTwoWholeUnitsOnBothAxes)
{
    EXPECT_FALSE(isLargeDrag({10, 0}, {11.5, 50})); // 1.5 seconds wide
    EXPECT_FALSE(isLargeDrag({10, 0}, {11.99, 50}));
    EXPECT_FALSE(isLargeDrag({10, 0}, {40, 1.9})); // flat stretch
    EXPECT_TRUE(isLargeDrag({10, 0}, {12, 2}));
    EXPECT_TRUE(isLargeDrag({12, 2}, {10, 0}));
    EXPECT_TRUE(isLargeDrag({-1e300, 0}, {1e300, 5})) << "no integer overflow on huge values";
}

TEST(Drag, zoomDragSetsTheRectangleSorted)
{
    Plot plot;
    EXPECT_FALSE(zoomToDrag(plot, {10, 0}, {11.5, 50}));
    EXPECT_EQ(plot.range(), (PlotRange{0, 20, 0, 20}));
    EXPECT_TRUE(zoomToDrag(plot, {40, 3}, {12.5, 77}));
    EXPECT_EQ(plot.range(), (PlotRange{12.5, 40, 3, 77}));
    EXPECT_EQ(plot.homeRange, (PlotRange{})) << "a zoom drag is no new home";
}

TEST(Drag, climbDragStoresRateMarkInLowestFreeSlot)
{
    Plot plot;
    DataSet& set = test::addEvenSet(plot, 50);
    set.addRateMark(1, 2);
    set.addRateMark(3, 4);
    set.rateMarks[0].inUse = false;
    EXPECT_TRUE(placeRateMark(set, 10, 20, {10, 10}, {20, 20}));
    EXPECT_TRUE(set.rateMarks[0].inUse);
    EXPECT_EQ(set.rateMarks[0].first, 10);
    EXPECT_EQ(set.rateMarks[0].second, 20);
    // A drag over a flat stretch, less than 2 altitude units high, stores nothing.
    EXPECT_FALSE(placeRateMark(set, 10, 20, {10, 10}, {20, 11}));
    EXPECT_EQ(set.rateMarkCount(), 2);
}

// Both ends on one sample (possible with long sampling intervals) has no rate; such a mark is not stored.
TEST(Drag, climbDragWithoutTwoDistinctSamplesStoresNothing)
{
    Plot plot;
    DataSet& set = test::addEvenSet(plot, 50);
    EXPECT_FALSE(placeRateMark(set, 7, 7, {0, 0}, {30, 30}));
    EXPECT_FALSE(placeRateMark(set, -1, 7, {0, 0}, {30, 30}));
    EXPECT_FALSE(placeRateMark(set, 7, 50, {0, 0}, {30, 30}));
    DataSet& empty = test::addSet(plot, {});
    EXPECT_FALSE(placeRateMark(empty, -1, -1, {0, 0}, {30, 30}));
    EXPECT_EQ(set.rateMarkCount(), 0);
}

TEST(Drag, climbDragWithAllSlotsInUseStoresNothing)
{
    Plot plot;
    DataSet& set = test::addEvenSet(plot, 50);
    for (int i = 0; i < kRateMarkSlots; ++i)
        ASSERT_TRUE(placeRateMark(set, 0, 1 + i % 49, {0, 0}, {30, 30}));
    EXPECT_FALSE(placeRateMark(set, 3, 4, {0, 0}, {30, 30}));
    EXPECT_EQ(set.rateMarkCount(), kRateMarkSlots);
}

TEST(Peak, clickTogglesTagAndIgnoresMissingSample)
{
    Plot plot;
    DataSet& set = test::addEvenSet(plot, 5);
    EXPECT_TRUE(togglePeakTag(set, 3));
    EXPECT_EQ(set.altitude.series.tag(3), 1);
    EXPECT_TRUE(togglePeakTag(set, 3));
    EXPECT_EQ(set.altitude.series.tag(3), 0);
    set.altitude.series.setTag(2, 5); // any non-zero tag read from a file is a mark
    EXPECT_TRUE(togglePeakTag(set, 2));
    EXPECT_EQ(set.altitude.series.tag(2), 0);
    EXPECT_FALSE(togglePeakTag(set, -1));
    EXPECT_FALSE(togglePeakTag(set, 5));
}
