#include "FlightScenarios.h"
#include "data/Signal.h"

#include <gtest/gtest.h>

using namespace vimo;
using namespace vimo::test;

TEST(FlightMeasures, theUnitComesFromTheAltitudeLabelAndMetresAreAssumedWithoutOne)
{
    const struct {
        const char* label;
        AltitudeUnit unit;
        bool assumed;
    } cases[] = {
        {"Altitude (feet)", AltitudeUnit::Feet, false},   {"Altitude (Feet)", AltitudeUnit::Feet, false},
        {"Altitude (yards)", AltitudeUnit::Yards, false}, {"Altitude (meters)", AltitudeUnit::Meters, false},
        {"Height (m)", AltitudeUnit::Meters, false},      {"", AltitudeUnit::Meters, true},
        {"Altitude", AltitudeUnit::Meters, true},         {"Altitude (feet or meters)", AltitudeUnit::Meters, true},
        {"Altitude (Ffeet)", AltitudeUnit::Meters, true},
    };
    for (const auto& c : cases) {
        const UnitOfLabel u = unitFromLabel(QString::fromUtf8(c.label));
        EXPECT_EQ(u.unit, c.unit) << c.label;
        EXPECT_EQ(u.assumed, c.assumed) << c.label;
    }
    const double t[] = {0, 1};
    const double a[] = {0, 0};
    EXPECT_TRUE(analyseFlights(t, a, 2, QString()).notes.join(QLatin1Char(' ')).contains(QLatin1String("assumed")));
}

TEST(FlightMeasures, thePenaltyCountsWholeMetresAtHalfAPointThenThreeAbove200)
{
    EXPECT_DOUBLE_EQ(f5jPenalty(215), 145);
    EXPECT_DOUBLE_EQ(f5jPenalty(180), 90);
    EXPECT_DOUBLE_EQ(f5jPenalty(200.4), 100);
    EXPECT_DOUBLE_EQ(f5jPenalty(200.6), 103);
    EXPECT_DOUBLE_EQ(f5jPenalty(-3), 0);
}

TEST(FlightMeasures, heightsInFeetAreReportedInFeetWithTheStartHeightAlsoInMetres)
{
    FlightPathBuilder path(0);
    path.stay(30).motorLaunch(10, 20).glide(0.7, 60).landAt(0, 0.8).stay(40);
    const SyntheticRecording r = path.sample(0.5, 0.3, 5, 0.3048);
    const FlightReport report = analyse(r);
    ASSERT_EQ(report.flights.size(), 1u);
    EXPECT_EQ(report.unit.unit, AltitudeUnit::Feet);
    const Flight& f = report.flights[0];
    const double metres = r.flights[0].startHeight;
    EXPECT_NEAR(*f.startHeightMeters, metres, 1.0);
    EXPECT_NEAR(*f.startHeight, metres / 0.3048, 1.0 / 0.3048);
    EXPECT_DOUBLE_EQ(*f.f5jPenalty, f5jPenalty(*f.startHeightMeters));
    EXPECT_NEAR(f.maxAltitude * 0.3048, r.flights[0].maxAltitude, 1.0);
}

TEST(FlightMeasures, aLaunchEndSetByTheUserMovesTheWindowAndTheStartHeightFollows)
{
    // A motor climb to about 100 m, a glide, then a thermal that starts 40 s after the motor cut.
    FlightPathBuilder path(0);
    path.stay(30).motorLaunch(10, 10).glide(0.8, 40).thermal(2, 60).glide(0.8, 60);
    const SyntheticRecording r = path.sample(0.5, 0.3, 9);
    const double cut = r.flights[0].launchEnd;

    const FlightReport estimated = analyse(r);
    ASSERT_EQ(estimated.flights.size(), 1u);
    EXPECT_TRUE(estimated.flights[0].launchEndEstimated);
    ASSERT_EQ(estimated.flights[0].climbs.size(), 1u);

    AnalysisOptions later;
    later.launchEnds[0] = cut + 90; // the window now ends inside the thermal's top
    const Flight moved = analyse(r, later).flights.at(0);
    EXPECT_FALSE(moved.launchEndEstimated);
    EXPECT_DOUBLE_EQ(*moved.launchEnd, cut + 90);
    EXPECT_DOUBLE_EQ(*moved.windowEnd, cut + 100);
    EXPECT_GT(*moved.startHeight, *estimated.flights[0].startHeight + 50);
    EXPECT_TRUE(moved.climbs.empty());

    AnalysisOptions beforeLaunch;
    beforeLaunch.launchEnds[0] = -50;
    beforeLaunch.window = 0;
    const Flight clamped = analyse(r, beforeLaunch).flights.at(0);
    EXPECT_DOUBLE_EQ(*clamped.launchEnd, clamped.launch);
    EXPECT_LT(*clamped.startHeight, 3.0);

    AnalysisOptions otherFlight;
    otherFlight.launchEnds[1] = cut + 90; // there is no second flight: nothing changes
    EXPECT_DOUBLE_EQ(*analyse(r, otherFlight).flights.at(0).launchEnd, *estimated.flights[0].launchEnd);
}

TEST(FlightMeasures, timesAndHeightsAreThoseOnThePlotAfterTheSignalsCorrections)
{
    FlightPathBuilder path(10);
    path.stay(30).motorLaunch(10, 15).glide(0.7, 60).landAt(10, 0.8).stay(40);
    const SyntheticRecording r = path.sample(0.5, 0.3, 4);
    Signal signal(true);
    for (std::size_t i = 0; i < r.times.size(); ++i)
        signal.series.append(r.times[i], r.altitudes[i]);
    signal.timeOffset = 1000;
    signal.altitudeOffset = 50;
    const FlightReport report = analyseFlights(signal, QStringLiteral("Altitude (meters)"));
    ASSERT_EQ(report.flights.size(), 1u);
    EXPECT_NEAR(report.flights[0].launch, r.flights[0].launch + 1000, 1.0);
    EXPECT_NEAR(report.flights[0].groundAltitude, 60, 0.5);
    EXPECT_NEAR(report.flights[0].maxAltitude, r.flights[0].maxAltitude, 1.0);
}

// A climb whose rate falls off steadily (a weak motor or a tow into calm air) runs on long after its rate first
// halves: the launch end is where it levels off, and the start height is that of the top of the climb.
TEST(FlightMeasures, aClimbThatSlowsSteadilyEndsWhereItLevelsOffNotAtItsFirstSlowdown)
{
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        FlightPathBuilder path(50);
        path.stay(20).motorLaunch(11, 6);
        for (const double rate : {8.0, 6.0, 4.5, 3.5, 2.5, 1.8, 1.2})
            path.glide(-rate, 3); // rising: a negative sink
        const double levelOff = path.time();
        const double top = path.altitude() - 50;
        path.glide(0.6, 120).landAt(50, 0.8).stay(60);
        const FlightReport report = analyse(path.sample(0.5, 0.3, seed));
        ASSERT_EQ(report.flights.size(), 1u) << "seed " << seed;
        const Flight& f = report.flights[0];
        ASSERT_TRUE(f.launchEnd && f.startHeight) << "seed " << seed;
        EXPECT_NEAR(*f.launchEnd, levelOff, 3.0) << "seed " << seed;
        EXPECT_NEAR(*f.startHeight, top, 1.5) << "seed " << seed;
    }
}

// A launch from a slope has no climb out: no launch end, window, start height or penalty, and the report says so.
TEST(FlightMeasures, aFlightLaunchedDownASlopeHasNoStartHeightAndSaysSo)
{
    FlightPathBuilder path(300);
    path.stay(30).slopeLaunch(3, 5).thermal(1.5, 60).glide(0.8, 120).landAt(200, 0.8).stay(80);
    const FlightReport report = analyse(path.sample(0.5, 0.3, 6));
    ASSERT_EQ(report.flights.size(), 1u);
    const Flight& f = report.flights[0];
    EXPECT_FALSE(f.launchEnd || f.windowEnd || f.startHeight || f.startHeightMeters || f.f5jPenalty);
    EXPECT_TRUE(report.notes.contains(QStringLiteral("Flight 1: launched downhill from rest: no start height.")))
        << report.notes.join(QLatin1Char('\n')).toStdString();
}

TEST(FlightMeasures, levelFlightAtHeightIsPassedAndTheLandingAfterItFound)
{
    // Level stretches high above the field look like rest to a quick look at the altitudes; the landing search must
    // pass them and still find the landing after them, at any sample interval.
    for (const double interval : {0.1, 0.5, 1.0}) {
        FlightPathBuilder path(50);
        path.stay(30).motorLaunch(10, 20).glide(0, 40).glide(0.8, 60).stay(45).glide(0.8, 80);
        path.landAt(50, 1.0).stay(60);
        const SyntheticRecording r = path.sample(interval, 0.3, 11);
        const FlightReport report = analyse(r);
        ASSERT_EQ(report.flights.size(), 1u) << interval << " s";
        ASSERT_TRUE(report.flights[0].landing.has_value()) << interval << " s";
        EXPECT_NEAR(*report.flights[0].landing, *r.flights[0].landing, 3.0) << interval << " s";
    }
}

TEST(FlightMeasures, aRestThatSpansAPauseInTheRecordingIsALanding)
{
    // Twelve seconds on the ground between two throws, nine of them not recorded: the few samples on either side
    // of the pause are the rest, though the samples that follow them belong to the next climb.
    FlightPathBuilder path(50);
    path.stay(30).motorLaunch(10, 15).glide(1.0, 30).landAt(50, 1.5).stay(12).motorLaunch(10, 15).glide(1.0, 30);
    path.landAt(50, 1.5).stay(60);
    SyntheticRecording r = path.sample(0.1, 0.3, 5);
    const double touchdown = *r.flights[0].landing;
    for (std::size_t i = r.times.size(); i-- > 0;)
        if (r.times[i] > touchdown + 1.5 && r.times[i] < touchdown + 10.5) {
            r.times.erase(r.times.begin() + std::ptrdiff_t(i));
            r.altitudes.erase(r.altitudes.begin() + std::ptrdiff_t(i));
        }
    const FlightReport report = analyse(r);
    ASSERT_EQ(report.flights.size(), 2u);
    ASSERT_TRUE(report.flights[0].landing.has_value());
    EXPECT_NEAR(*report.flights[0].landing, touchdown, 3.0);
}
