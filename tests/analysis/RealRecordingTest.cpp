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
    std::vector<double> times;
    std::vector<double> altitudes;
};

double secondsOfDay(const std::string& hhmmss)
{
    return std::stoi(hhmmss.substr(0, 2)) * 3600.0 + std::stoi(hhmmss.substr(2, 2)) * 60.0
           + std::stoi(hhmmss.substr(4, 2));
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
    for (double& t : r.times)
        t -= secondsOfDay("023919");
    return r;
}

} // namespace

// A full-size glider: towed up from a field, three and a half hours cross-country with climbs and long glides
// (down to 377 m above the field), landed elsewhere 19 m above the take-off. One flight, from the take-off to
// the moment the glider came to rest.
TEST(RealRecording, aGliderFlightIsOneFlightFromTakeOffToWhereItCameToRest)
{
    const Recording r = readFixes(VIMO_TEST_DATA_DIR "/glider-flight-pressure-altitude.txt");
    ASSERT_EQ(r.times.size(), 756u);
    const FlightReport report = analyseFlights(r.times.data(), r.altitudes.data(), r.times.size(),
                                               QStringLiteral("Altitude (meters)"));
    ASSERT_EQ(report.flights.size(), 1u) << report.notes.join(QLatin1Char('\n')).toStdString();
    const Flight& f = report.flights[0];
    const double takeOffAfter = secondsOfDay("024351") - secondsOfDay("023919"); // last fix on the ground
    const double airborneAt = secondsOfDay("024422") - secondsOfDay("023919");   // first fix in the air
    EXPECT_GE(f.launch, takeOffAfter - 1);
    EXPECT_LE(f.launch, airborneAt);
    EXPECT_NEAR(f.groundAltitude, 304, 1.5);
    ASSERT_TRUE(f.landing);
    // The altitude reaches its resting level at 06:19:28; the ground speed falls to nothing at 06:19:38.
    EXPECT_NEAR(*f.landing, secondsOfDay("061932") - secondsOfDay("023919"), 10);
    EXPECT_NEAR(f.maxAltitude, 2439 - 304, 1.5);
}
