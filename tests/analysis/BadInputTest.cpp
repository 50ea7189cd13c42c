#include "FlightScenarios.h"
#include "data/Signal.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <limits>

using namespace vimo;
using namespace vimo::test;

namespace {

FlightReport analyseArrays(const std::vector<double>& t, const std::vector<double>& a)
{
    return analyseFlights(t.data(), a.data(), t.size(), QStringLiteral("Altitude (meters)"));
}

bool notesMention(const FlightReport& r, const char* words)
{
    return r.notes.join(QLatin1Char('\n')).contains(QLatin1String(words), Qt::CaseInsensitive);
}

// One F5J flight of about six minutes, sampled every half second.
SyntheticRecording oneFlight(std::uint32_t seed = 7)
{
    FlightScenarios s(seed);
    FlightPathBuilder path(100);
    s.electricFlight(path);
    return path.sample(0.5, 0.3, seed);
}

} // namespace

TEST(BadInput, dataSetsWithoutTwoDistinctTimesGiveNoFlightAndSaySo)
{
    const FlightReport none = analyseArrays({}, {});
    EXPECT_TRUE(none.flights.empty());
    EXPECT_TRUE(notesMention(none, "no samples"));

    const FlightReport one = analyseArrays({3}, {50});
    EXPECT_TRUE(one.flights.empty());
    EXPECT_TRUE(notesMention(one, "one sample"));

    std::vector<double> t(200, 5.0);
    std::vector<double> a;
    for (int i = 0; i < 200; ++i)
        a.push_back(i); // a climb of 200 m, all at one time
    const FlightReport sameTime = analyseArrays(t, a);
    EXPECT_TRUE(sameTime.flights.empty());
    EXPECT_TRUE(notesMention(sameTime, "share one time"));
}

TEST(BadInput, timesGoingBackwardsAreNamedAndTheFlightIsStillFound)
{
    SyntheticRecording r = oneFlight();
    std::swap(r.times[100], r.times[101]);
    std::swap(r.times[400], r.times[401]);
    const FlightReport report = analyse(r);
    EXPECT_TRUE(notesMention(report, "backwards 2 times")) << report.notes.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(accuracyFaults(report, r, 0.5), "");

    const FlightReport reversed = analyseArrays({30, 20, 10, 0}, {0, 50, 50, 0}); // the whole series runs backwards
    EXPECT_TRUE(notesMention(reversed, "backwards 3 times"));
    EXPECT_FALSE(notesMention(reversed, "share one time")) << "its samples have four different times";
}

TEST(BadInput, aFlatLineOfFullCapacityGivesNoFlight)
{
    std::vector<double> t(SampleSeries::kCapacity);
    std::vector<double> a(SampleSeries::kCapacity, 123.0);
    for (std::size_t i = 0; i < t.size(); ++i)
        t[i] = 0.1 * double(i);
    EXPECT_TRUE(analyseArrays(t, a).flights.empty());
}

TEST(BadInput, aRecordingThatStartsInTheAirSaysTheLaunchWasBeforeIt)
{
    FlightPathBuilder path(250);
    path.glide(0.8, 60).thermal(1.5, 60).landAt(20, 1.0).stay(60);
    const SyntheticRecording r = path.sample(0.5, 0.3, 3);
    const FlightReport report = analyse(r);
    ASSERT_EQ(report.flights.size(), 1u);
    const Flight& f = report.flights[0];
    EXPECT_TRUE(f.launchBeforeRecording);
    EXPECT_DOUBLE_EQ(f.launch, 0.0);
    EXPECT_FALSE(f.launchEnd.has_value());
    EXPECT_FALSE(f.startHeight.has_value());
    ASSERT_TRUE(f.landing.has_value());
    EXPECT_NEAR(*f.landing, *r.flights[0].landing, 3.0);
    EXPECT_NEAR(f.groundAltitude, 20.0, 1.0);
    EXPECT_EQ(f.climbs.size(), 1u);
    EXPECT_TRUE(notesMention(report, "launch was before the recording began"));
}

TEST(BadInput, oneBadSampleMakesNoFlightAndNoPeak)
{
    std::vector<double> t, a;
    for (int i = 0; i < 600; ++i) {
        t.push_back(0.5 * i);
        a.push_back(i == 300 ? 900.0 : 40.0);
    }
    EXPECT_TRUE(analyseArrays(t, a).flights.empty());

    SyntheticRecording r = oneFlight();
    const FlightReport clean = analyse(r);
    ASSERT_EQ(clean.flights.size(), 1u);
    r.altitudes[r.altitudes.size() / 2] += 500;
    const FlightReport spiked = analyse(r);
    ASSERT_EQ(spiked.flights.size(), 1u);
    EXPECT_DOUBLE_EQ(spiked.flights[0].maxAltitude, clean.flights[0].maxAltitude);
}

TEST(BadInput, valuesThatAreNotNumbersRepeatTheSampleBefore)
{
    SyntheticRecording r = oneFlight();
    r.altitudes[50] = std::numeric_limits<double>::quiet_NaN();
    r.altitudes[300] = std::numeric_limits<double>::infinity();
    r.times[500] = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(accuracyFaults(analyse(r), r, 0.5), "");
}

TEST(BadInput, aFullSeriesOfManyThrowsIsAnalysedWhole)
{
    FlightScenarios s(11);
    FlightPathBuilder path(30);
    while (path.time() < 0.1 * (SampleSeries::kCapacity - 200))
        s.handLaunchSession(path, 1);
    SyntheticRecording r = path.sample(0.1, 0.3, 11);
    r.times.resize(SampleSeries::kCapacity);
    r.altitudes.resize(SampleSeries::kCapacity);
    const FlightReport report = analyse(r);
    EXPECT_EQ(report.flights.size(), r.flights.size());
}

TEST(BadInput, aSignalShownBackwardsIsNamedAsTimesGoingBackwards)
{
    const SyntheticRecording r = oneFlight();
    Signal signal(true);
    for (std::size_t i = 0; i < r.times.size(); ++i)
        signal.series.append(r.times[i], r.altitudes[i]);
    signal.timeScale = -1;
    const FlightReport report = analyseFlights(signal, QStringLiteral("Altitude (meters)"));
    EXPECT_TRUE(notesMention(report, "backwards"));
    EXPECT_TRUE(report.flights.empty());
}

// A clean recording is read in place, one that needs repairs is copied first, and a shifted one goes through the
// display transform: a spike must be mended alike on every one of these ways in.
TEST(BadInput, aSpikeIsMendedAlikeWhetherTheSamplesAreReadInPlaceRepairedOrShifted)
{
    SyntheticRecording r = oneFlight();
    const double clean = analyse(r).flights.at(0).maxAltitude;
    const auto top = std::max_element(r.altitudes.begin(), r.altitudes.end());
    *top += 300;

    const FlightReport inPlace = analyse(r);
    SyntheticRecording repaired = r;
    repaired.altitudes[20] = std::numeric_limits<double>::quiet_NaN();
    const FlightReport copied = analyse(repaired);
    Signal signal(true);
    for (std::size_t i = 0; i < r.times.size(); ++i)
        signal.series.append(r.times[i], r.altitudes[i]);
    signal.timeOffset = 1000;
    signal.altitudeOffset = -50;
    const FlightReport shifted = analyseFlights(signal, QStringLiteral("Altitude (meters)"));

    for (const FlightReport* report : {&inPlace, &copied, &shifted}) {
        ASSERT_EQ(report->flights.size(), 1u);
        EXPECT_NEAR(report->flights[0].maxAltitude, clean, 1.0);
    }
    EXPECT_NEAR(shifted.flights[0].launch, inPlace.flights[0].launch + 1000, 1e-9);
}

TEST(BadInput, negativeZeroAltitudesReadInPlaceAreReportedAsZero)
{
    // Clean samples in metres are read where they lie, so a -0 recorded at ground level reaches the measures; it
    // must not come out as "-0" in the table, the text or the JSON.
    std::vector<double> t;
    std::vector<double> a;
    for (int i = 0; i < 1200; ++i) {
        t.push_back(0.5 * i);
        const double climb = i < 100 || i >= 1100 ? 0.0 : std::min(2.0 * (i - 100), 3000.0 - 3.0 * i);
        a.push_back(climb > 0 ? climb : -0.0);
    }
    AnalysisOptions options;
    options.window = 0;
    options.launchEnds[0] = 0; // the window ends at the launch, on the ground
    const FlightReport r = analyseFlights(t.data(), a.data(), t.size(), QStringLiteral("Altitude (meters)"), options);
    ASSERT_EQ(r.flights.size(), 1u);
    const Flight& f = r.flights[0];
    EXPECT_FALSE(std::signbit(f.groundAltitude));
    ASSERT_TRUE(f.startHeightMeters.has_value());
    EXPECT_EQ(*f.startHeightMeters, 0.0);
    EXPECT_FALSE(std::signbit(*f.startHeightMeters));
    EXPECT_FALSE(std::signbit(*f.startHeight));
}
