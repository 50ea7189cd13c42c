#include "FlightScenarios.h"

#include <gtest/gtest.h>

using namespace vimo;
using namespace vimo::test;

namespace {

constexpr int kSeeds = 40;
constexpr double kUnits[] = {1.0, 0.3048, 0.9144};

// Runs `build` for many seeds, each at its own sample interval and in one of the three units, and reports every
// seed whose analysis misses the truth.
template <typename Build>
void expectAccurateOverSeeds(Build build)
{
    for (std::uint32_t seed = 1; seed <= kSeeds; ++seed) {
        FlightScenarios scenarios(seed);
        FlightPathBuilder path(scenarios.pick(-20, 400));
        build(scenarios, path);
        const double dt = scenarios.interval();
        const SyntheticRecording r = path.sample(dt, 0.3, seed, kUnits[seed % 3]);
        const std::string faults = accuracyFaults(analyse(r), r, dt);
        EXPECT_TRUE(faults.empty()) << "seed " << seed << ", interval " << dt << " s, " << r.metresPerUnit
                                    << " m a unit:\n"
                                    << faults;
    }
}

} // namespace

TEST(SyntheticFlightAccuracy, electricClimbsWithThermalsAreMeasuredWithinTheirAccuracies)
{
    expectAccurateOverSeeds([](FlightScenarios& s, FlightPathBuilder& path) { s.electricFlight(path); });
}

TEST(SyntheticFlightAccuracy, handLaunchSessionsGiveEachThrowAsAFlightOfItsOwn)
{
    expectAccurateOverSeeds(
        [](FlightScenarios& s, FlightPathBuilder& path) { s.handLaunchSession(path, s.pickInt(2, 4)); });
}

TEST(SyntheticFlightAccuracy, aDayRecordedInOneGoHoldsSeveralElectricFlights)
{
    expectAccurateOverSeeds([](FlightScenarios& s, FlightPathBuilder& path) {
        s.electricFlight(path);
        s.electricFlight(path);
        s.handLaunchSession(path, 1);
    });
}

TEST(SyntheticFlightAccuracy, landingsBelowTheLaunchPointNeedALongerRest)
{
    expectAccurateOverSeeds([](FlightScenarios& s, FlightPathBuilder& path) {
        s.climbOutAndThermal(path);
        path.landAt(path.altitude() - s.pick(60, 180), s.pick(0.6, 1.2));
        path.stay(s.pick(70, 120));
    });
}

// A slope launch leaves a rest by a dive, never climbing 10 m: at the start of the recording, and after a throw
// that landed back on the top.
TEST(SyntheticFlightAccuracy, flightsLaunchedDownASlopeRunFromTheirRestToWhereTheyLandBelow)
{
    expectAccurateOverSeeds([](FlightScenarios& s, FlightPathBuilder& path) {
        s.handLaunchSession(path, s.pickInt(0, 1));
        s.slopeFlight(path);
    });
}

// Carrying the model down a hill leaves a rest by a fall too, but at a walker's pace: no launch, before the first
// flight or between two.
TEST(SyntheticFlightAccuracy, walkingDownAHillWithTheModelIsNoFlight)
{
    expectAccurateOverSeeds([](FlightScenarios& s, FlightPathBuilder& path) {
        for (int i = 0; i < 2; ++i) {
            path.stay(s.pick(15, 40));
            path.glide(s.pick(0.2, 0.6), s.pick(30, 60));
            s.handLaunchSession(path, 1);
        }
    });
}

TEST(SyntheticFlightAccuracy, aRecordingThatEndsInTheAirRunsTheDurationToTheLastSample)
{
    expectAccurateOverSeeds([](FlightScenarios& s, FlightPathBuilder& path) {
        s.climbOutAndThermal(path);
        path.glide(s.pick(0.5, 1.0), s.pick(10, 40)); // still well above the field when the recording stops
    });
}

TEST(SyntheticFlightAccuracy, groundTimeWithNoiseOrLevelFlightGivesNoFlightAndNoClimb)
{
    for (std::uint32_t seed = 1; seed <= kSeeds; ++seed) {
        FlightScenarios s(seed);
        FlightPathBuilder path(s.pick(-20, 400));
        path.stay(s.pick(30, 900));
        const SyntheticRecording quiet = path.sample(s.interval(), 0.5, seed, kUnits[seed % 3]);
        EXPECT_TRUE(analyse(quiet).flights.empty()) << "seed " << seed;
    }
}
