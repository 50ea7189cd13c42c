#include "analysis/FlightAnalysis.h"

#include <QString>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

using namespace vimo;

namespace {

// A recording read from "hhmmss altitude" lines ('#' starts a comment), with times in seconds from the first fix.
struct Recording {
    double firstFix = 0; // seconds of the day of the first fix
    std::vector<double> times;
    std::vector<double> altitudes;

    // Seconds from the first fix to the fix stamped hhmmss.
    double at(const std::string& hhmmss) const;
};

double secondsOfDay(const std::string& hhmmss)
{
    return std::stoi(hhmmss.substr(0, 2)) * 3600.0 + std::stoi(hhmmss.substr(2, 2)) * 60.0
           + std::stoi(hhmmss.substr(4, 2));
}

double Recording::at(const std::string& hhmmss) const
{
    return secondsOfDay(hhmmss) - firstFix;
}

Recording readFixes(const std::string& path)
{
    Recording r;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string time;
        double altitude = 0;
        fields >> time >> altitude;
        r.times.push_back(secondsOfDay(time));
        r.altitudes.push_back(altitude);
    }
    if (!r.times.empty())
        r.firstFix = r.times.front();
    for (double& t : r.times)
        t -= r.firstFix;
    return r;
}

// What a recording shows of its one flight, read from the altitude and from the position and ground speed of the
// log's fixes (times as hhmmss), with altitudes in metres.
struct Truth {
    std::string lastOnGround;
    std::string firstInAir;
    double ground = 0;
    std::string cameToRest; // within 10 s of the moment the aircraft came to rest
    double highest = 0;
};

// The analysis of the `fixes` fixes of the recording in `file` finds one flight, launched from the ground between the
// last fix on it and the first in the air, landed where the aircraft came to rest, and measured as high as it flew.
void expectOneFlightAsRecorded(const std::string& file, std::size_t fixes, const Truth& truth)
{
    const Recording r = readFixes(VIMO_TEST_DATA_DIR "/" + file);
    ASSERT_EQ(r.times.size(), fixes);
    const FlightReport report =
        analyseFlights(r.times.data(), r.altitudes.data(), r.times.size(), QStringLiteral("Altitude (meters)"));
    ASSERT_EQ(report.flights.size(), 1u) << report.notes.join(QLatin1Char('\n')).toStdString();
    const Flight& f = report.flights[0];
    EXPECT_FALSE(f.launchBeforeRecording);
    EXPECT_GE(f.launch, r.at(truth.lastOnGround) - 1);
    EXPECT_LE(f.launch, r.at(truth.firstInAir));
    EXPECT_NEAR(f.groundAltitude, truth.ground, 1.5);
    ASSERT_TRUE(f.landing);
    EXPECT_NEAR(*f.landing, r.at(truth.cameToRest), 10);
    EXPECT_NEAR(f.maxAltitude, truth.highest - truth.ground, 1.5);
}

} // namespace

// A full-size glider: towed up from a field, three and a half hours cross-country with climbs and long glides
// (down to 377 m above the field), landed elsewhere 19 m above the take-off. One flight, from the take-off to
// the moment the glider came to rest.
TEST(RealRecording, aGliderFlightIsOneFlightFromTakeOffToWhereItCameToRest)
{
    // The altitude reaches its resting level at 06:19:28; the ground speed falls to nothing at 06:19:38.
    expectOneFlightAsRecorded(
        "glider-flight-pressure-altitude.txt", 756,
        {.lastOnGround = "024351", .firstInAir = "024422", .ground = 304, .cameToRest = "061932", .highest = 2439});
}

// A paraglider foot-launched from a mountain: it sinks 11 m below the take-off within seconds of leaving it, soars
// for an hour up to 365 m above it (1698 m at 15:50:51), then glides out and lands in the valley 694 m below it.
// One flight, from the moment the pilot left the slope to the moment the pilot came to rest in the valley: neither
// the fall from the slope (not a recording begun in the air) nor the soaring level with the take-off (15:29:37 to
// 15:29:47, within 2 m of it; not a landing back at the launch) cuts it short.
TEST(RealRecording, aParagliderLandingFarBelowItsTakeOffIsOneFlightFromTheSlopeToWhereItCameToRest)
{
    // Standing still at 1332-1333 m up to 15:28:03; from 15:28:04 the pilot runs down the slope (ground speed
    // 1.5, 3.5, 4.7 m/s and the altitude falling); at 15:28:08 the glider carries the pilot at 7 m/s, 11 m below
    // the take-off, and holds that altitude while the speed rises to flying speed. The altitude reaches its
    // resting level in the valley at 16:31:57 (ground speed 6 m/s, the touch-down run); the ground speed is down
    // to a walk from 16:31:59 and to nothing at 16:32:09.
    expectOneFlightAsRecorded(
        "paraglider-valley-landing-pressure-altitude.txt", 839,
        {.lastOnGround = "152803", .firstInAir = "152808", .ground = 1333, .cameToRest = "163203", .highest = 1698});
}

// A paraglider foot-launched from a slope that never climbs back to its take-off: eleven minutes of gliding with a
// few weak climbs (1160 m at best, 6 m below the take-off), down to a landing 499 m below it. The flight never
// rises 10 m above anything before it, so only the fall from the rest on the slope shows the launch.
TEST(RealRecording, aParagliderGlidingDownFromItsTakeOffIsOneFlightFromTheSlopeToWhereItCameToRest)
{
    // Standing still at 1165-1166 m up to 14:38:26, then a walk; from 14:38:31 the pilot runs down the slope
    // (ground speed 3, 3, 4.4 m/s and the altitude falling) and flies from 14:38:35 (7.6 m/s, 9 m below the
    // take-off and falling 3 m/s). The altitude reaches its resting level at 14:49:53 (8 m/s, the touch-down run);
    // the ground speed is down to a walk at 14:49:59 and to nothing at 14:50:01.
    expectOneFlightAsRecorded(
        "paraglider-glide-to-valley-pressure-altitude.txt", 778,
        {.lastOnGround = "143831", .firstInAir = "143835", .ground = 1166, .cameToRest = "145000", .highest = 1166});
}
