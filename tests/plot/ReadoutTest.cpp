#include "plot/Readout.h"
#include "plot/PixelMapping.h"

#include "PlotTestData.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace vimo;

TEST(Readout, positionTextHasFixedWidthsAndTruncatedAltitude)
{
    EXPECT_EQ(positionText(12.34, 567.9), "Time =     12.3, Altitude =  567");
    EXPECT_EQ(positionText(-0.04, -3.7), "Time =     -0.0, Altitude =   -3");
    EXPECT_EQ(positionText(123456789.0, 123456.0), "Time = 123456789.0, Altitude = 123456");
    EXPECT_EQ(positionText(0, 1e12), "Time =      0.0, Altitude = 2147483647") << "saturated to 32 bits";
}

TEST(Readout, rateOfClimbToThePreviousSample)
{
    Plot plot;
    const SampleSeries& s = test::addSet(plot, {{0, 0}, {0.5, 10}, {1.5, 5}, {1.5, 7}}).altitude.series;
    EXPECT_EQ(rateOfClimbText(s, 1), "Rate of Climb =   20.000 units/sec");
    EXPECT_EQ(rateOfClimbText(s, 2), "Rate of Climb =   -5.000 units/sec");
    EXPECT_FALSE(rateOfClimbText(s, 0)) << "the first sample keeps the previous text";
    EXPECT_FALSE(rateOfClimbText(s, 3)) << "two samples at one time have no rate";
    EXPECT_FALSE(rateOfClimbText(s, 4));
}

// The nearest sample used to be computed as if sampling were even, which is wrong for uneven times; it is now
// found by time, the later sample winning a tie.
TEST(Readout, nearestSampleIsFoundByTimeTiesToTheLater)
{
    Plot plot;
    const SampleSeries& s = test::addSet(plot, {{0, 100}, {1, 110}, {10, 200}}).altitude.series;
    const auto at = [&](double t) { return cursorReadout(s, t)->sample; };
    EXPECT_EQ(at(4), 1);
    EXPECT_EQ(at(6), 2);
    EXPECT_EQ(at(5.5), 2);
    EXPECT_EQ(at(0.5), 1);
    EXPECT_EQ(at(-50), 0);
    EXPECT_EQ(at(1e9), 2);

    const std::optional<CursorReadout> r = cursorReadout(s, 4);
    EXPECT_EQ(r->position, "Time =      1.0, Altitude =  110");
    EXPECT_EQ(r->rate, "Rate of Climb =   10.000 units/sec");
}

TEST(Readout, oneSampleIsThatSampleNoSampleIsNone)
{
    Plot plot;
    const SampleSeries& one = test::addSet(plot, {{3, 7}}).altitude.series;
    const std::optional<CursorReadout> r = cursorReadout(one, 100);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->sample, 0);
    EXPECT_FALSE(r->rate);
    EXPECT_FALSE(cursorReadout(test::addSet(plot, {}).altitude.series, 1));
}

TEST(PixelMapping, mapsTheDataAreaOntoTheVisibleRange)
{
    Plot plot;
    plot.setRange({0, 614, 100, 430});
    const DataAreaPixels area{120, 87, 734, 417}; // an 8 x 5 inch page at 100 pixels per inch
    EXPECT_EQ(valueAtPixel(plot, area, 120, 87).t, 0);
    EXPECT_EQ(valueAtPixel(plot, area, 120, 87).a, 430);
    EXPECT_EQ(valueAtPixel(plot, area, 734, 417).t, 614);
    EXPECT_EQ(valueAtPixel(plot, area, 734, 417).a, 100);
    EXPECT_EQ(valueAtPixel(plot, area, 220, 187).t, 100);
    EXPECT_EQ(valueAtPixel(plot, area, 220, 187).a, 330);

    EXPECT_TRUE(isOnDataArea(area, 120, 417));
    EXPECT_TRUE(isOnDataArea(area, 734, 87));
    EXPECT_FALSE(isOnDataArea(area, 119, 200));
    EXPECT_FALSE(isOnDataArea(area, 200, 418));
}

TEST(PixelMapping, collapsedAreaOrViewGivesNumbers)
{
    Plot plot;
    const DataAreaPixels collapsed{50, 50, 50, 50};
    const PlotPoint p = valueAtPixel(plot, collapsed, 60, 40);
    EXPECT_EQ(p.t, 0);
    EXPECT_EQ(p.a, 20);
    plot.setRange({5, 5, 7, 7});
    const PlotPoint q = valueAtPixel(plot, {0, 0, 100, 100}, 30, 30);
    EXPECT_EQ(q.t, 5);
    EXPECT_EQ(q.a, 7);
}
