// Data sets of different units on one plot: drawn, read and marked in the axis unit, the samples never changed.

#include "plot/AltitudeDisplay.h"
#include "PlotTestData.h"
#include "RenderFixture.h"
#include "analysis/FlightReport.h"
#include "plot/DataEditor.h"
#include "plot/RangeStats.h"
#include "plot/Readout.h"

#include <gtest/gtest.h>

using namespace vimo;

namespace {

// A metres flight beside a second one, in feet or already converted to metres; each with a peak and a rate mark.
void fillMixed(Plot& plot, bool secondInFeet)
{
    plot.setRange({0, 20, 0, 400});
    plot.yLabel = QStringLiteral("Altitude (meters)"); // as a metres download labels it
    const double f = secondInFeet ? 1.0 : 0.3048;
    test::addSet(plot, {{0, 0}, {5, 150}, {10, 80}}).unit = AltitudeUnit::Meters;
    DataSet& second = test::addSet(plot, {{0, 100 * f}, {8, 1000 * f}, {16, 300 * f}});
    second.unit = secondInFeet ? AltitudeUnit::Feet : AltitudeUnit::Meters;
    second.trigger.series.append(8, 1000 * f);
    second.altitude.series.setTag(1, 1);
    second.addRateMark(0, 2);
}

} // namespace

TEST(AltitudeDisplay, feetSetOnAMetresAxis_drawsExactlyAsItsMetresValuesWould)
{
    Plot feet;
    fillMixed(feet, true);
    Plot metres;
    fillMixed(metres, false);
    const PrintSettings page = test::pageOf(7, 3.5);
    EXPECT_EQ(test::renderOnImage(feet, 100, page).image, test::renderOnImage(metres, 100, page).image);
    EXPECT_EQ(feet.signals.at(1).altitude.series.altitude(1), 1000) << "the samples are never changed";
}

TEST(AltitudeDisplay, legendNamesEachUnitOnlyWhileSomethingIsConverted)
{
    Plot plot;
    fillMixed(plot, true);
    plot.signals.createDataSet(); // no unit: never marked
    EXPECT_EQ(legendText(plot, 1), "Data001 (ft)");
    EXPECT_EQ(legendText(plot, 2), "Data002");
    plot.signals.at(1).unit = AltitudeUnit::Meters;
    EXPECT_EQ(legendText(plot, 0), "Data000");
}

TEST(AltitudeDisplay, readoutStatisticsAndFlightReport_areInTheAxisUnit)
{
    Plot plot;
    fillMixed(plot, true);
    const SampleSeries& feet = plot.signals.at(1).altitude.series;
    const double toAxis = toAxisFactor(plot, plot.signals.at(1));
    EXPECT_EQ(cursorReadout(feet, 8, toAxis)->position, "Time =      8.0, Altitude =  304");
    EXPECT_EQ(*rateOfClimbText(feet, 1, toAxis), "Rate of Climb =   34.290 units/sec");
    EXPECT_DOUBLE_EQ(visibleRangeStats(feet, 0, 20, toAxis)->highest, 304.8);

    FlightReport report{{AltitudeUnit::Feet, false}, {Flight{}}, {}};
    report.flights[0].startHeight = 1000;
    report.flights[0].f5jPenalty = 427;
    const Flight shown = reportInAxisUnit(plot, report).flights[0];
    EXPECT_DOUBLE_EQ(*shown.startHeight, 304.8);
    EXPECT_EQ(*shown.f5jPenalty, 427) << "computed from metres, never converted";
}

TEST(AltitudeDisplay, choosingTheAxisUnit_keepsTheViewOnTheSameStretch)
{
    Plot plot;
    fillMixed(plot, true);
    plot.homeRange = {0, 20, 0, 300};
    setAltitudeAxisChoice(plot, AltitudeAxisChoice::Feet);
    EXPECT_NEAR(plot.yMax, 400 / 0.3048, 1e-9);
    EXPECT_NEAR(plot.homeRange.yMax, 300 / 0.3048, 1e-9);
}

TEST(AltitudeDisplay, theUnitTravelsWithTheDataSetThroughCropDeleteAndUndo)
{
    Plot plot;
    fillMixed(plot, true);
    DataEditor editor(plot);
    plot.setRange({0, 9, 0, 400});
    editor.crop();
    editor.deleteDataSet(1);
    editor.undo();
    editor.undo();
    EXPECT_EQ(plot.signals.at(1).unit, AltitudeUnit::Feet);
    EXPECT_EQ(plot.signals.at(1).altitude.series.count(), 3);
}
