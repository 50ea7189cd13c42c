#include "RenderFixture.h"

#include "data/Plot.h"
#include "plot/ClimbRate.h"
#include "plot/ClimbRateCurve.h"
#include "plot/PaintColour.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vimo {
namespace {

SampleSeries seriesOf(std::initializer_list<std::pair<double, double>> samples)
{
    SampleSeries s(true);
    for (const auto& [t, a] : samples)
        s.append(t, a);
    return s;
}

TEST(ClimbRate, isTheSlopeOverAFewSeconds_smoothingNoiseAndBridgingSlowSamples)
{
    // Two units a second, with a unit of noise up and down on alternate samples every half second.
    SampleSeries noisy(true);
    for (int i = 0; i < 100; ++i)
        noisy.append(1000 + i * 0.5, i + (i % 2 ? 1.0 : -1.0));
    const auto rate = smoothedClimbRate(noisy, 50);
    ASSERT_TRUE(rate);
    EXPECT_NEAR(*rate, 2.0, 0.1) << "the noise alone would swing it by four units a second";
    EXPECT_TRUE(smoothedClimbRate(noisy, 0)) << "the first sample has a rate from the window after it";

    // Samples ten seconds apart still have a rate, from their neighbours.
    const SampleSeries slow = seriesOf({{0, 0}, {10, 30}, {20, 40}});
    EXPECT_DOUBLE_EQ(*smoothedClimbRate(slow, 0), 3.0);
    EXPECT_DOUBLE_EQ(*smoothedClimbRate(slow, 1), 2.0);

    EXPECT_FALSE(smoothedClimbRate(seriesOf({{5, 1}, {5, 2}}), 0)) << "one time: no slope";
    EXPECT_FALSE(smoothedClimbRate(seriesOf({{5, 1}}), 0));
    EXPECT_FALSE(smoothedClimbRate(slow, 3));
    EXPECT_FALSE(smoothedClimbRate(seriesOf({{0, 0}, {1, std::numeric_limits<double>::infinity()}}), 0));
}

TEST(ClimbRate, betweenSamples_altitudeAndRateAreInterpolated_andNoneOutsideTheRecording)
{
    const SampleSeries slow = seriesOf({{0, 0}, {10, 30}, {20, 40}});
    EXPECT_DOUBLE_EQ(*altitudeAt(slow, 15), 35.0);
    EXPECT_DOUBLE_EQ(*altitudeAt(slow, 10), 30.0);
    EXPECT_DOUBLE_EQ(*climbRateAt(slow, 5), 2.5); // halfway from 3 to 2
    EXPECT_DOUBLE_EQ(*climbRateAt(slow, 20), 1.0);
    EXPECT_FALSE(altitudeAt(slow, -0.1));
    EXPECT_FALSE(climbRateAt(slow, 20.1));
    EXPECT_FALSE(altitudeAt(SampleSeries(true), 0));
    EXPECT_FALSE(altitudeAt(slow, std::nan("")));
}

TEST(ClimbAxis, holdsTheRatesAndZeroInRoundSteps)
{
    struct Case {
        double low, high, min, max, step;
        int decimals;
    };
    for (const Case& c : {Case{0.3, 4.2, 0, 6, 2, 0}, Case{-2.6, 1.1, -3, 2, 1, 0}, Case{0.05, 0.37, 0, 0.4, 0.1, 1},
                          Case{0, 0, 0, 0.5, 0.5, 1}}) {
        const ClimbAxis axis = climbAxisFor(c.low, c.high);
        EXPECT_NEAR(axis.min, c.min, 1e-12) << c.low << ".." << c.high;
        EXPECT_NEAR(axis.max, c.max, 1e-12) << c.low << ".." << c.high;
        EXPECT_DOUBLE_EQ(axis.step, c.step) << c.low << ".." << c.high;
        EXPECT_EQ(axis.decimals, c.decimals) << c.low << ".." << c.high;
    }
    const std::vector<double> ticks = climbAxisFor(-0.25, 0.3).ticks();
    EXPECT_NE(std::find(ticks.begin(), ticks.end(), 0.0), ticks.end());
    for (const double v : ticks)
        EXPECT_FALSE(v == 0 && std::signbit(v)) << "never written as -0.0";
    const ClimbAxis wild = climbAxisFor(-std::numeric_limits<double>::infinity(), 3);
    EXPECT_EQ(wild.min, -1);
    EXPECT_EQ(wild.max, 1);
}

struct ClimbCurve : ::testing::Test {
    Plot plot;
    void SetUp() override
    {
        DataSet& set = plot.signals.createDataSet();
        set.clearSamples();
        for (int i = 0; i < 200; ++i)
            set.altitude.series.append(i, 1.3 * i); // 1.3 units a second: the axis runs 0..1.5
        set.altitude.lineColor = 0x00FF00;
        set.unit = AltitudeUnit::Meters;
        plot.setRange({0, 200, 0, 250});
    }
};

TEST_F(ClimbCurve, isDrawnAgainstAnAxisRightOfANarrowerDataArea_onlyWhenAsked)
{
    const PrintSettings page = test::pageOf(7, 3.5);
    const test::Rendering plain = test::renderOnImage(plot, 100, page);
    RenderOptions options;
    options.activeSet = 0;
    options.climbRate = true;
    const test::Rendering withCurve = test::renderOnImage(plot, 100, page, options);
    EXPECT_LT(withCurve.layout.plotRight, plain.layout.plotRight);
    EXPECT_EQ(withCurve.layout.plotLeft, plain.layout.plotLeft);
    EXPECT_EQ(withCurve.layout.plotBottom, plain.layout.plotBottom);

    const ClimbRateCurve curve(plot, withCurve.layout, 0);
    EXPECT_EQ(curve.label(), QStringLiteral("Climb Rate (m/s)"));
    const QRgb green = paintColour(0x00FF00).rgb();
    const int middle = (withCurve.layout.plotLeft + withCurve.layout.plotRight) / 2;
    EXPECT_EQ(withCurve.image.pixel(middle, curve.pixelOf(1.3)) & 0xFFFFFF, green & 0xFFFFFF);
    const QRect zeroRow(withCurve.layout.plotLeft, curve.pixelOf(0), withCurve.layout.plotWidth(), 1);
    const int dashes = test::countColour(withCurve.image, zeroRow, green);
    EXPECT_GT(dashes, zeroRow.width() / 3) << "zero is marked";
    EXPECT_LT(dashes, zeroRow.width()) << "with a dashed line";
    // The axis's labels lie right of the data area.
    const QRect axis(withCurve.layout.plotRight + 2, withCurve.layout.plotTop,
                     plain.layout.plotRight - withCurve.layout.plotRight, withCurve.layout.plotHeight());
    EXPECT_GT(test::differingPixels(withCurve.image.copy(axis), plain.image.copy(axis)), 0);
}

TEST_F(ClimbCurve, ofAHiddenOrMissingDataSet_leavesTheAxisEmpty)
{
    RenderOptions options;
    options.climbRate = true;
    options.activeSet = 0;
    plot.signals.at(0).altitude.visible = false;
    const test::Rendering hidden = test::renderOnImage(plot, 100, test::pageOf(7, 3.5), options);
    EXPECT_EQ(test::countColour(hidden.image, hidden.image.rect(), paintColour(0x00FF00).rgb()), 0);
    options.activeSet = 5;
    const test::Rendering missing = test::renderOnImage(plot, 100, test::pageOf(7, 3.5), options);
    EXPECT_EQ(test::differingPixels(hidden.image, missing.image), 0);
}

} // namespace
} // namespace vimo
