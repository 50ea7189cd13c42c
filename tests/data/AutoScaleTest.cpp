#include "data/AutoScale.h"
#include "data/Plot.h"

#include <gtest/gtest.h>

using namespace vimo;

namespace {

struct Case {
    double min, max, lower, upper;
};

} // namespace

TEST(AutoScale, exampleTableHolds)
{
    const Case cases[] = {
        {0, 87, 0, 90}, {0, 125.3, 0, 200},   {0, 600, 0, 700}, {19, 104, 10, 110},
        {5, 5, 5, 7},   {10.2, 10.7, 10, 11}, {-3, 87, 0, 100},
    };
    for (const Case& c : cases) {
        double lower = -1, upper = -1;
        autoScaleRange(c.min, c.max, lower, upper);
        EXPECT_DOUBLE_EQ(lower, c.lower) << c.min << ".." << c.max;
        EXPECT_DOUBLE_EQ(upper, c.upper) << c.min << ".." << c.max;
    }
    double lower = -1, upper = -1;
    autoScaleRange(-3, 87, lower, upper);
    EXPECT_FALSE(std::signbit(lower)) << "a negative zero would be written as -0";
}

TEST(AutoScale, scansAltitudeSignalsOnlyAndSetsHomeRange)
{
    Plot plot;
    DataSet& a = plot.signals.createDataSet();
    a.clearSamples();
    a.altitude.series.append(0, 19);
    a.altitude.series.append(300, 104);
    a.trigger.series.append(5000, -500); // trigger samples do not count
    autoScaleTime(plot);
    autoScaleAltitude(plot);
    EXPECT_EQ(plot.range(), (PlotRange{0, 400, 10, 110}));
    EXPECT_EQ(plot.homeRange, plot.range());
}

TEST(AutoScale, noSampleAnywhereLeavesTheRangeAlone)
{
    Plot plot;
    plot.signals.createDataSet().clearSamples();
    plot.setRange({3, 4, 5, 6});
    plot.homeRange = {7, 8, 9, 10};
    autoScaleTime(plot);
    autoScaleAltitude(plot);
    EXPECT_EQ(plot.range(), (PlotRange{3, 4, 5, 6}));
    EXPECT_EQ(plot.homeRange, (PlotRange{7, 8, 9, 10}));
}
