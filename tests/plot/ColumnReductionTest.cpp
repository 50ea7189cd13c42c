#include "RenderFixture.h"

#include "data/AutoScale.h"
#include "plot/ColumnReduction.h"

#include <gtest/gtest.h>

namespace vimo {
namespace {

std::vector<QPoint> reduced(const std::vector<QPoint>& points)
{
    std::vector<QPoint> out;
    reduceColumns(points, out);
    return out;
}

TEST(ReduceColumns, keepsFirstLowestHighestAndLastOfEachColumnInTheirOrder)
{
    // Column 3: first (3,5), highest (3,1) before lowest (3,9), last (3,4). Column 4: lowest before highest.
    const std::vector<QPoint> points = {{3, 5}, {3, 6}, {3, 1}, {3, 7}, {3, 9}, {3, 2}, {3, 4},
                                        {4, 4}, {4, 8}, {4, 5}, {4, 0}, {4, 3}, {4, 3}};
    const std::vector<QPoint> expected = {{3, 5}, {3, 1}, {3, 9}, {3, 4}, {4, 4}, {4, 8}, {4, 0}, {4, 3}};
    EXPECT_EQ(reduced(points), expected);
}

TEST(ReduceColumns, leavesShortRunsAndColumnsThatComeBackAlone)
{
    EXPECT_TRUE(reduced({}).empty());
    const std::vector<QPoint> single = {{7, 7}};
    EXPECT_EQ(reduced(single), single);
    // Runs of up to three points per column, and a column visited again after another (x goes back), stay.
    const std::vector<QPoint> shortRuns = {{1, 1}, {1, 5}, {1, 2}, {2, 2}, {1, 3}, {1, 0}, {1, 1}};
    EXPECT_EQ(reduced(shortRuns), shortRuns);
    // The extremes may coincide with the ends: nothing is repeated.
    const std::vector<QPoint> monotone = {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 5}};
    const std::vector<QPoint> ends = {{0, 0}, {0, 5}};
    EXPECT_EQ(reduced(monotone), ends);
}

// Long noisy flights drawn through every sample and through the reduced columns: the share of the line's pixels
// that differ.
double differingShareOfLinePixels(int dataSets, int ppi, double widthInches, double heightInches,
                                  std::int32_t lineStyle = kLineSolid)
{
    Plot plot;
    for (int k = 0; k < dataSets; ++k) {
        DataSet& set = plot.signals.createDataSet();
        test::fillFlight(set, SampleSeries::kCapacity, std::uint32_t(k + 1));
        set.altitude.lineStyle = lineStyle;
    }
    autoScaleTime(plot);
    autoScaleAltitude(plot);
    const PrintSettings page = test::pageOf(widthInches, heightInches);
    const QImage every = test::renderOnImage(plot, ppi, page, RenderOptions{true}).image;
    const QImage columns = test::renderOnImage(plot, ppi, page).image;
    for (int k = 0; k < dataSets; ++k)
        plot.signals.at(k).altitude.visible = false;
    const QImage none = test::renderOnImage(plot, ppi, page).image;
    const int linePixels = test::differingPixels(every, none);
    EXPECT_GT(linePixels, 10000);
    return double(test::differingPixels(every, columns)) / linePixels;
}

TEST(ReduceColumns, wideLinesOfLongFlights_differInAtMostHalfAPercentOfTheirPixels)
{
    EXPECT_LE(differingShareOfLinePixels(8, 100, 16, 9), 0.005);   // 2-pixel lines
    EXPECT_LE(differingShareOfLinePixels(2, 600, 4, 2.25), 0.005); // 4-pixel lines
}

TEST(ReduceColumns, onePixelLinesOfLongFlights_keepEveryPixel)
{
    // Dotted and dashed lines are one pixel wide; their pattern follows the drawn length.
    for (const std::int32_t style : {kLineDot, kLineDash, kLineDashDot, kLineDashDotDot})
        EXPECT_EQ(differingShareOfLinePixels(2, 100, 16, 9, style), 0.0) << style;
}

} // namespace
} // namespace vimo
