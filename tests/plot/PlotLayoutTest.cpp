#include "plot/PlotLayout.h"
#include "data/Plot.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace vimo {
namespace {

PrintSettings page(double w, double h, double left = 0, double top = 0)
{
    PrintSettings s;
    s.widthInches = w;
    s.heightInches = h;
    s.leftInches = left;
    s.topInches = top;
    return s;
}

TEST(PlotLayout, eightByFiveInchesAt100ppi_matchesTheLayoutRules)
{
    const PlotLayout l = computePlotLayout(100, 100, page(8, 5));
    EXPECT_EQ(l.pageLeft, 0);
    EXPECT_EQ(l.pageTop, 0);
    EXPECT_EQ(l.pageRight, 800);
    EXPECT_EQ(l.pageBottom, 500);
    EXPECT_EQ(l.yLabelLeft, 40);
    EXPECT_EQ(l.titleTop, 16);
    EXPECT_EQ(l.plotLeft, 120);
    EXPECT_EQ(l.plotRight, 734);
    EXPECT_EQ(l.plotTop, 87);
    EXPECT_EQ(l.plotBottom, 417);
    EXPECT_EQ(l.xLabelTop, 459);
}

TEST(PlotLayout, pageOffsets_shiftEveryEdgeByTheOffsetInPixels)
{
    const PlotLayout plain = computePlotLayout(600, 300, page(8, 5));
    const PlotLayout moved = computePlotLayout(600, 300, page(8, 5, 0.5, 1.25));
    EXPECT_EQ(moved.pageLeft, 300);
    EXPECT_EQ(moved.pageTop, 375);
    EXPECT_EQ(moved.plotLeft, plain.plotLeft + 300);
    EXPECT_EQ(moved.plotRight, plain.plotRight + 300);
    EXPECT_EQ(moved.plotTop, plain.plotTop + 375);
    EXPECT_EQ(moved.plotBottom, plain.plotBottom + 375);
    EXPECT_EQ(moved.xLabelTop, plain.xLabelTop + 375);
    EXPECT_EQ(moved.pageRight, 300 + 4800);
}

TEST(PlotLayout, fractionalPixels_areDropped)
{
    const PlotLayout l = computePlotLayout(100, 100, page(2.555, 3.5));
    EXPECT_EQ(l.pageWidth, 255);
    EXPECT_EQ(l.pageHeight, 350);
}

TEST(PlotLayout, absurdPageSizes_saturateInsteadOfOverflowing)
{
    for (const double size : {1e30, -1e30, std::numeric_limits<double>::infinity(), std::nan("")}) {
        const PlotLayout l = computePlotLayout(1200, 1200, page(size, size, size, size));
        // The layout stays ordered wherever the numbers allow it, and nothing wrapped around.
        EXPECT_LE(std::abs(double(l.plotRight)), double(1 << 30));
        EXPECT_LE(std::abs(double(l.plotBottom)), double(1 << 30));
        EXPECT_GE(l.rightPin(), 9999);
    }
}

class TimeAndAltitudePixels : public ::testing::Test {
protected:
    Plot plot;                                              // 0..20 x 0..20
    PlotLayout l = computePlotLayout(100, 100, page(8, 5)); // data area 614 x 330
};

TEST_F(TimeAndAltitudePixels, timeToPixel_pinsOutsideValuesAndScalesInside)
{
    EXPECT_EQ(timeToPixel(plot, l, -0.001), -1);
    EXPECT_EQ(timeToPixel(plot, l, 0), 0);
    EXPECT_EQ(timeToPixel(plot, l, 10), 307);
    EXPECT_EQ(timeToPixel(plot, l, 20), 614);
    EXPECT_EQ(timeToPixel(plot, l, 20.001), 9999);
    EXPECT_EQ(timeToPixel(plot, l, std::nan("")), -1);
}

TEST_F(TimeAndAltitudePixels, altitudeToPixel_pinsOutsideValuesAndKeepsInsideWithinTheArea)
{
    const int h = l.plotHeight();
    EXPECT_EQ(altitudeToPixel(plot, l, -1), h);
    EXPECT_EQ(altitudeToPixel(plot, l, 0), h - 1);
    EXPECT_EQ(altitudeToPixel(plot, l, 10), h - 165 - 1);
    EXPECT_EQ(altitudeToPixel(plot, l, 20), 0); // h - h - 1 raised to 0
    EXPECT_EQ(altitudeToPixel(plot, l, 21), 0);
}

TEST_F(TimeAndAltitudePixels, rightPin_ofAVeryWidePage_liesBeyondTheDataArea)
{
    // 150 inches at 100 ppi: the data area is wider than 9999 pixels, so the pin must move out with it.
    const PlotLayout wide = computePlotLayout(100, 100, page(150, 3.5));
    ASSERT_GT(wide.plotWidth(), 9999);
    EXPECT_EQ(timeToPixel(plot, wide, 21), wide.plotWidth() + 2);
    EXPECT_EQ(timeToPixel(plot, l, 21), 9999);
}

TEST_F(TimeAndAltitudePixels, emptyOrDegenerateRanges_mapToFinitePixels)
{
    plot.xMin = plot.xMax = 5;
    plot.yMin = plot.yMax = 5;
    EXPECT_EQ(timeToPixel(plot, l, 5), 0);
    EXPECT_EQ(altitudeToPixel(plot, l, 5), l.plotHeight() - 1);

    plot.xMin = -std::numeric_limits<double>::max();
    plot.xMax = std::numeric_limits<double>::max(); // the span overflows to infinity
    EXPECT_EQ(timeToPixel(plot, l, 0), 0);

    plot.xMin = 10;
    plot.xMax = 0; // reversed: every value is outside
    EXPECT_EQ(timeToPixel(plot, l, 5), -1);
    EXPECT_EQ(timeToPixel(plot, l, 15), 9999);
}

} // namespace
} // namespace vimo
