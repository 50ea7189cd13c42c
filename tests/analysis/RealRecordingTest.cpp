#include "RealRecording.h"
#include "analysis/FlightAnalysis.h"

#include <gtest/gtest.h>

using namespace vimo;

namespace {

// What a recording shows of its one flight, read from the altitude and from the position and ground speed of the
// log's fixes: seconds from the first fix, altitudes in metres.
struct Truth {
    double lastOnGround = 0;
    double firstInAir = 0;
    double ground = 0;
    double cameToRest = 0; // within 10 s of the moment the aircraft came to rest
    double highest = 0;
};

// The analysis of a real recording finds one flight, launched from the ground between the last fix on it and the first
// in the air, landed where the aircraft came to rest, and measured as high as it flew.
void expectOneFlightAsRecorded(const QString& name, const Truth& truth)
{
    Plot plot;
    ASSERT_NO_FATAL_FAILURE(test::loadRealRecording(name, plot));
    const DataSet& set = plot.signals.at(0);
    const FlightReport report = analyseFlights(set.altitude, set.altitudeLabel);
    ASSERT_EQ(report.flights.size(), 1u) << report.notes.join(QLatin1Char('\n')).toStdString();
    const Flight& f = report.flights[0];
    EXPECT_FALSE(f.launchBeforeRecording);
    EXPECT_GE(f.launch, truth.lastOnGround - 1);
    EXPECT_LE(f.launch, truth.firstInAir);
    EXPECT_NEAR(f.groundAltitude, truth.ground, 1.5);
    ASSERT_TRUE(f.landing);
    EXPECT_NEAR(*f.landing, truth.cameToRest, 10);
    EXPECT_NEAR(f.maxAltitude, truth.highest - truth.ground, 1.5);
}

} // namespace

// A full-size glider: towed up from a field, three and a half hours cross-country with climbs and long glides
// (down to 377 m above the field), landed elsewhere 19 m above the take-off. One flight, from the take-off to
// the moment the glider came to rest.
TEST(RealRecording, aGliderFlightIsOneFlightFromTakeOffToWhereItCameToRest)
{
    // At rest up to 272 s, in the air at 303 s (the fixes are 30 s apart before the tow). The altitude reaches its
    // resting level at 13,209 s; the ground speed falls to nothing at 13,219 s.
    expectOneFlightAsRecorded(
        QStringLiteral("glider-far-landing"),
        {.lastOnGround = 272, .firstInAir = 303, .ground = 304, .cameToRest = 13213, .highest = 2439});
}

// A paraglider foot-launched from a mountain: it sinks 11 m below the take-off within seconds of leaving it, soars
// for an hour up to 365 m above it (1698 m at 1381 s), then glides out and lands in the valley 694 m below it.
// One flight, from the moment the pilot left the slope to the moment the pilot came to rest in the valley: neither
// the fall from the slope (not a recording begun in the air) nor the soaring level with the take-off (at 107-117 s,
// within 2 m of it; not a landing back at the launch) cuts it short.
TEST(RealRecording, aParagliderLandingFarBelowItsTakeOffIsOneFlightFromTheSlopeToWhereItCameToRest)
{
    // Standing still at 1332-1333 m up to 13 s; from 14 s the pilot runs down the slope (ground speed 1.5, 3.5,
    // 4.7 m/s and the altitude falling); at 18 s the glider carries the pilot at 7 m/s, 11 m below the take-off, and
    // holds that altitude while the speed rises to flying speed. The altitude reaches its resting level in the
    // valley at 3847 s (ground speed 6 m/s, the touch-down run); the ground speed is down to a walk from 3849 s and
    // to nothing at 3859 s.
    expectOneFlightAsRecorded(
        QStringLiteral("pg-valley-landing"),
        {.lastOnGround = 13, .firstInAir = 18, .ground = 1333, .cameToRest = 3853, .highest = 1698});
}

// A paraglider foot-launched from a slope that never climbs back to its take-off: eleven minutes of gliding with a
// few weak climbs (1160 m at best, 6 m below the take-off), down to a landing 499 m below it. The flight never
// rises 10 m above anything before it, so only the fall from the rest on the slope shows the launch.
TEST(RealRecording, aParagliderGlidingDownFromItsTakeOffIsOneFlightFromTheSlopeToWhereItCameToRest)
{
    // Standing still at 1165-1166 m up to 9 s, then a walk; from 14 s the pilot runs down the slope (ground speed
    // 3, 3, 4.4 m/s and the altitude falling) and flies from 18 s (7.6 m/s, 9 m below the take-off and falling
    // 3 m/s). The altitude reaches its resting level at 696 s (8 m/s, the touch-down run); the ground speed is down
    // to a walk at 702 s and to nothing at 704 s.
    expectOneFlightAsRecorded(
        QStringLiteral("pg-glide-to-valley"),
        {.lastOnGround = 14, .firstInAir = 18, .ground = 1166, .cameToRest = 703, .highest = 1166});
}
