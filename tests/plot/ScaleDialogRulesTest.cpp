#include "plot/ScaleDialogRules.h"
#include "plot/Navigation.h"

#include "PlotTestData.h"

#include <gtest/gtest.h>

using namespace vimo;

TEST(ScaleDialog, openingTextsAreShortestGeneralFormIndependentOfLocale)
{
    Plot plot;
    plot.setRange({0, 20, 0.1, 1234567.891});
    EXPECT_EQ(scaleTextsFor(plot), (ScaleTexts{"0", "20", "0.1", "1234567.891"}));
    plot.setRange({1.0 / 3, -2.5e-7, 1e20, 123456789012345678.0});
    EXPECT_EQ(scaleTextsFor(plot), (ScaleTexts{"0.333333333333333", "-2.5e-07", "1e+20", "1.23456789012346e+17"}));
}

TEST(ScaleDialog, autoScalesAtOnceAndShowsZeroAsTimeMin)
{
    Plot plot;
    test::addSet(plot, {{130, 19}, {430, 104}});
    const ScaleTexts texts = autoScaleTexts(plot);
    EXPECT_EQ(texts, (ScaleTexts{"0", "500", "10", "110"}));
    // Cancel afterwards changes nothing further: the automatic range is already on the plot and is home.
    EXPECT_EQ(plot.range(), (PlotRange{100, 500, 10, 110}));
    EXPECT_EQ(plot.homeRange, plot.range());
    // OK afterwards takes the texts as they stand, so the time axis starts at 0.
    EXPECT_EQ(acceptScaleTexts(plot, texts, ScaleCheck::AcceptAny), QString());
    EXPECT_EQ(plot.range(), (PlotRange{0, 500, 10, 110}));
}

TEST(ScaleDialog, okParsesEachEditAndLeavesUnparsableValues)
{
    Plot plot;
    plot.setRange({1, 2, 3, 4});
    const ScaleTexts texts{"  -5", "12.5xyz", "abc", ""};
    EXPECT_EQ(acceptScaleTexts(plot, texts, ScaleCheck::AcceptAny), QString());
    EXPECT_EQ(plot.range(), (PlotRange{-5, 12.5, 3, 4}));
    EXPECT_EQ(plot.homeRange, plot.range());

    // Not numbers: "nan", "inf", an overflowing value; a comma is no decimal point in any locale.
    const PlotRange kept{1, 2, 3, 4};
    EXPECT_EQ(rangeFromScaleTexts(kept, {"nan", "inf", "1e999", "-infinity"}), kept);
    EXPECT_EQ(rangeFromScaleTexts(kept, {"12,5", "1", "2", "3"}).xMin, 12);
}

TEST(ScaleDialog, okReadsAtMost39Characters)
{
    const PlotRange kept{1, 2, 3, 4};
    const QString blanks(38, QLatin1Char(' '));
    EXPECT_EQ(rangeFromScaleTexts(kept, {blanks + "7", blanks + " 7", blanks + "75", "1"}), (PlotRange{7, 2, 7, 1}));
}

TEST(ScaleDialog, resetAfterOkReturnsToTheTypedRange)
{
    Plot plot;
    acceptScaleTexts(plot, {"3", "33", "-4", "44"}, ScaleCheck::AcceptAny);
    zoomIn(plot);
    pan(plot, PanDirection::Left, kPanButtonFraction);
    resetView(plot);
    EXPECT_EQ(plot.range(), (PlotRange{3, 33, -4, 44}));
}

TEST(ScaleDialog, emptyOrReversedRangeIsTakenLiterallyOrRefusedWithReason)
{
    Plot plot;
    EXPECT_EQ(acceptScaleTexts(plot, {"10", "10", "5", "1"}, ScaleCheck::AcceptAny), QString());
    EXPECT_EQ(plot.range(), (PlotRange{10, 10, 5, 1}));

    plot.setRange({0, 20, 0, 20});
    plot.homeRange = plot.range();
    EXPECT_EQ(acceptScaleTexts(plot, {"10", "10", "0", "1"}, ScaleCheck::RefuseInvalid),
              "Time Min must be less than Time Max.");
    EXPECT_EQ(acceptScaleTexts(plot, {"0", "1", "5", "1"}, ScaleCheck::RefuseInvalid),
              "Altitude Min must be less than Altitude Max.");
    EXPECT_EQ(acceptScaleTexts(plot, {"-1e308", "1e308", "0", "1"}, ScaleCheck::RefuseInvalid),
              "Time range is too large.");
    EXPECT_EQ(plot.range(), (PlotRange{0, 20, 0, 20})) << "a refused OK changes nothing";
    EXPECT_EQ(plot.homeRange, plot.range());
    EXPECT_EQ(acceptScaleTexts(plot, {"0", "1", "5", "6"}, ScaleCheck::RefuseInvalid), QString());
    EXPECT_EQ(plot.homeRange, (PlotRange{0, 1, 5, 6}));
}
