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

// The pixels of `image` in the line colour (blue) of the data sets that addEvenSet and fillFlight leave.
std::vector<QPoint> bluePixels(const QImage& image)
{
    std::vector<QPoint> pixels;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == 0x0000FFu)
                pixels.emplace_back(x, y);
    return pixels;
}

TEST(ReduceColumns, dashedLinesWithASampleOrLessPerColumn_drawExactlyAsThroughEverySample)
{
    Plot plot;
    plot.signals.createDataSet(); // the 21-sample ramp over a 0..20 view: no column holds two samples
    const PrintSettings page = test::pageOf(7, 3.5);
    for (const std::int32_t style : {kLineDot, kLineDash, kLineDashDot, kLineDashDotDot}) {
        plot.signals.at(0).altitude.lineStyle = style;
        EXPECT_EQ(test::differingPixels(test::renderOnImage(plot, 100, page, RenderOptions{true}).image,
                                        test::renderOnImage(plot, 100, page).image),
                  0)
            << style;
    }
}

TEST(ReduceColumns, denseDashedLine_keepsItsPatternRunningAlongTheLine)
{
    // 20,000 samples on one height across the view: some thirty per pixel column. Were the pattern to start afresh
    // in each column, every column would begin with a dash and the line would come out solid.
    Plot plot;
    DataSet& set = plot.signals.createDataSet();
    set.clearSamples();
    for (int i = 0; i < 20000; ++i)
        set.altitude.series.append(i * 0.001, 10);
    set.altitude.lineStyle = kLineDash;
    const auto r = test::renderOnImage(plot, 100, test::pageOf(7, 3.5));
    const int y = r.layout.plotTop + altitudeToPixel(plot, r.layout, 10);
    const QRect row(r.layout.plotLeft + 2, y, r.layout.plotWidth() - 4, 1);
    const int dashed = test::countColour(r.image, row, 0x0000FFu);
    EXPECT_GT(dashed, row.width() / 2);
    EXPECT_LT(dashed, row.width() * 7 / 8) << "gaps between the dashes";
    EXPECT_EQ(
        test::differingPixels(r.image, test::renderOnImage(plot, 100, test::pageOf(7, 3.5), RenderOptions{true}).image),
        0);
}

TEST(ReduceColumns, dashedLinesOfLongFlights_stayOnTheLineDrawnThroughEverySample)
{
    Plot plot;
    for (int k = 0; k < 2; ++k) {
        DataSet& set = plot.signals.createDataSet();
        test::fillFlight(set, SampleSeries::kCapacity, std::uint32_t(k + 1));
        set.altitude.lineColor = 0xFF0000; // blue, both
        set.altitude.lineStyle = k == 0 ? kLineDash : kLineDot;
    }
    autoScaleTime(plot);
    autoScaleAltitude(plot);
    const PrintSettings page = test::pageOf(16, 9);
    const QImage every = test::renderOnImage(plot, 100, page, RenderOptions{true}).image;
    const QImage columns = test::renderOnImage(plot, 100, page).image;
    const std::vector<QPoint> drawn = bluePixels(columns);
    ASSERT_GT(drawn.size(), 5000u);
    int astray = 0;
    const auto onLine = [&every](int x, int y) {
        return every.valid(x, y) && (every.pixel(x, y) & 0xFFFFFF) == 0x0000FFu;
    };
    for (const QPoint& p : drawn) {
        bool near = false;
        for (int dy = -1; dy <= 1 && !near; ++dy)
            for (int dx = -1; dx <= 1 && !near; ++dx)
                near = onLine(p.x() + dx, p.y() + dy);
        astray += near ? 0 : 1;
    }
    // The one-pixel stroker may end a turn a pixel differently; nothing strays further.
    EXPECT_LE(astray, int(drawn.size() / 1000));
}

} // namespace
} // namespace vimo
