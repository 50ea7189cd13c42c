#include "PlotTestData.h"
#include "RenderFixture.h"

#include "analysis/FlightAnalysis.h"
#include "data/AutoScale.h"
#include "data/DataFile.h"
#include "data/SetView.h"
#include "plot/AxisTicks.h"
#include "plot/Crop.h"
#include "plot/LaunchAlignment.h"
#include "plot/LaunchEndDrag.h"
#include "plot/RangeStats.h"
#include "plot/Readout.h"

#include <gtest/gtest.h>

namespace vimo {
namespace {

using test::differingPixels;
using test::pageOf;
using test::renderOnImage;

// A data set of 400 samples half a second apart from `start`, climbing and falling, with a tag, a rate mark and
// triggers, all that a rendering draws of it.
DataSet& addMarkedSet(Plot& plot, double start)
{
    DataSet& set = plot.signals.createDataSet();
    set.clearSamples();
    for (int i = 0; i < 400; ++i)
        set.altitude.series.append(start + i * 0.5, i < 200 ? i : 400 - i);
    set.altitude.series.setTag(120, 1);
    set.addRateMark(40, 100);
    set.trigger.series.append(start + 50, 100);
    set.altitude.pointStyle = kPointCircle;
    return set;
}

TEST(AlignAtLaunch, drawsADataSetAsIfItsSamplesStartedAtItsLaunch)
{
    Plot aligned;
    addMarkedSet(aligned, 0).firstLaunch = 30;
    aligned.alignAtLaunch = true;
    Plot moved;
    addMarkedSet(moved, -30);
    for (Plot* plot : {&aligned, &moved})
        plot->setRange({-40, 180, 0, 220});

    const QImage picture = renderOnImage(aligned, 100, pageOf(7, 3.5)).image;
    EXPECT_EQ(differingPixels(picture, renderOnImage(moved, 100, pageOf(7, 3.5)).image), 0);
    aligned.alignAtLaunch = false;
    EXPECT_GT(differingPixels(picture, renderOnImage(aligned, 100, pageOf(7, 3.5)).image), 0);
}

TEST(AlignAtLaunch, scalingAndCropWorkOnTheTimesAsShown)
{
    Plot plot;
    DataSet& early = test::addEvenSet(plot, 200, 0, 0);
    DataSet& late = test::addEvenSet(plot, 200, 0, 0);
    early.firstLaunch = 30;
    late.firstLaunch = 70;
    plot.alignAtLaunch = true;
    autoScaleTime(plot);
    EXPECT_EQ(plot.range().xMin, -100) << "-70..169 in whole hundreds, rounded down to keep the time before launch";
    EXPECT_EQ(plot.homeRange.xMax, 200);

    plot.setRange({0, 20, 0, 300});
    cropToView(plot);
    // Each keeps the samples shown at 0..20: its own times 30..50 and 70..90.
    EXPECT_EQ(early.altitude.series.count(), 21);
    EXPECT_EQ(early.altitude.series.altitude(0), 30);
    EXPECT_EQ(late.altitude.series.altitude(0), 70);
    // Their launches moved with the samples, so what was shown at 0 is still shown at 0.
    EXPECT_EQ(early.firstLaunch, 0.0);
    EXPECT_EQ(late.firstLaunch, 0.0);
    EXPECT_EQ(plot.xMin, 0);
}

TEST(AlignAtLaunch, readOutsStatsAndMarksMapBetweenTheAxisAndTheSamples)
{
    Plot plot;
    DataSet& set = test::addEvenSet(plot, 200, 0, 100); // altitude 100 + t
    set.unit = AltitudeUnit::Feet;
    test::addEvenSet(plot, 10).unit = AltitudeUnit::Meters; // the axis shows the first set's unit: feet
    set.firstLaunch = 30;
    plot.alignAtLaunch = true;
    plot.setRange({0, 10, 0, 300});

    const auto readout = cursorReadout(plot, 0, 5.2);
    ASSERT_TRUE(readout);
    EXPECT_EQ(readout->sample, 35);
    EXPECT_EQ(readout->position, QStringLiteral("Time =      5.0, Altitude =  135"));
    const auto point = samplePoint(plot, 0, 35);
    ASSERT_TRUE(point);
    EXPECT_EQ(point->t, 5);
    EXPECT_EQ(point->a, 135);
    EXPECT_FALSE(samplePoint(plot, 0, 200));

    const auto stats = visibleRangeStats(plot, 0);
    ASSERT_TRUE(stats);
    EXPECT_EQ(stats->samples, 11);
    EXPECT_EQ(stats->firstTime, 0);
    EXPECT_EQ(stats->lowest, 130);
    EXPECT_EQ(averageClimbText(plot), QStringLiteral("Avg Climb = 1"));

    // A launch-end mark at the analysis' 40 s is shown at 10 s, the right edge, and dragged back in those times.
    const DataAreaPixels area{100, 20, 600, 320};
    FlightReport report;
    report.flights.push_back({});
    report.flights[0].launch = 30;
    report.flights[0].launchEnd = 40;
    report.flights[0].duration = 100;
    EXPECT_EQ(launchenddrag::markAt(plot, area, report, 600, -30), 0);
    EXPECT_EQ(launchenddrag::markAt(plot, area, report, 600), -1);
    EXPECT_DOUBLE_EQ(launchenddrag::launchEndAt(plot, area, report.flights[0], 350, -30), 35.0);
}

TEST(AlignAtLaunch, launchesComeFromTheAnalysis_andASetWithoutAFlightStaysWhereItIs)
{
    Plot plot;
    test::FlightPathBuilder path(0);
    path.stay(40).motorLaunch(10, 20).glide(1.0, 100).landAt(0, 1.0).stay(20);
    const test::SyntheticRecording r = path.sample(0.5, 0.2, 3);
    DataSet& flown = plot.signals.createDataSet();
    flown.clearSamples();
    flown.unit = AltitudeUnit::Meters;
    for (std::size_t i = 0; i < r.times.size(); ++i)
        flown.altitude.series.append(r.times[i], r.altitudes[i]);
    DataSet& ground = test::addSet(plot, {{0, 5}, {10, 5}, {20, 5}, {30, 5}}); // stays on the ground: no flight
    ground.unit = AltitudeUnit::Meters;
    ground.firstLaunch = 5; // from an analysis of samples it no longer holds

    findFirstLaunches(plot);
    ASSERT_TRUE(flown.firstLaunch);
    EXPECT_NEAR(*flown.firstLaunch, 40, 2);
    EXPECT_FALSE(ground.firstLaunch);

    setAlignAtLaunch(plot, true);
    EXPECT_LT(plot.xMin, -30) << "the time axis takes in the flight shifted to its launch";
    EXPECT_EQ(setView(plot, ground).timeShift, 0);
    setAlignAtLaunch(plot, false);
    EXPECT_EQ(plot.xMin, 0);
}

TEST(ViewState, hidingAndAligningDataSets_leaveTheirFilesAsTheyWere)
{
    Plot plot;
    addMarkedSet(plot, 0);
    addMarkedSet(plot, 10);
    const QByteArray plotFile = datafile::plotFileBytes(plot);
    const QByteArray setFile = datafile::dataSetFileBytes(plot, 1);
    plot.signals.at(1).altitude.visible = false;
    plot.signals.at(1).firstLaunch = 20;
    plot.alignAtLaunch = true;
    EXPECT_EQ(datafile::plotFileBytes(plot), plotFile);
    EXPECT_EQ(datafile::dataSetFileBytes(plot, 1), setFile);
}

} // namespace
} // namespace vimo
