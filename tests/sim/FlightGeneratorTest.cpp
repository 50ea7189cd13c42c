// The simulator's recordings: what a module would record of real flights, and what the analysis finds in them.
#include "FlightGenerator.h"
#include "SimulatedFlights.h"

#include <QString>
#include <gtest/gtest.h>

using namespace vimo;
using namespace vimo::sim;

namespace {

// The samples of a data set's words, and their times.
struct Samples {
    std::vector<double> times;
    std::vector<double> altitudes;
};

Samples samplesOf(const SimDataSet& set, double step)
{
    Samples s;
    for (std::size_t i = 0; i < set.words.size(); ++i) {
        if ((set.words[i] >> 8) == 0x82)
            continue;
        s.times.push_back(double(s.times.size()) * step);
        s.altitudes.push_back(qint16(set.words[i]));
    }
    return s;
}

QString labelOf(const Recording& recording)
{
    return recording.units == 1   ? QStringLiteral("Altitude (yards)")
           : recording.units == 2 ? QStringLiteral("Altitude (meters)")
                                  : QStringLiteral("Altitude (feet)");
}

TEST(FlightGenerator, fillsTheWordBudgetWithMarksFollowedBySamples)
{
    for (const int words : {1, 2, 500, 65535}) {
        const SimDataSet set = generateDataSet(words, 7, Session::Electric, Recording{}, true);
        ASSERT_EQ(int(set.words.size()), words);
        int marks = 0;
        for (size_t i = 0; i < set.words.size(); ++i) {
            if ((set.words[i] >> 8) == 0x82) {
                ++marks;
                ASSERT_LT(i + 1, set.words.size()) << "a mark is always followed by its sample";
                EXPECT_NE(set.words[i + 1] >> 8, 0x82);
            }
        }
        if (words == 65535) {
            EXPECT_GT(marks, 10);
        }
    }
    const auto words = [](quint32 seed) { return generateDataSet(3000, seed, Session::HandLaunch, {}, true).words; };
    EXPECT_EQ(words(9), words(9));
    EXPECT_NE(words(9), words(10));
}

// Each kind of session, in every unit and at intervals from a fifth of a second to two seconds: the analysis of the
// samples finds exactly the flights the simulator flew, a recording that stops in the air included.
TEST(FlightGenerator, theAnalysisFindsTheFlightsTheSimulatorFlew)
{
    const Session sessions[] = {Session::Electric, Session::HandLaunch, Session::EndsInAir};
    const quint16 intervals[] = {2, 10, 20};
    int flown = 0;
    int endedInAir = 0;
    for (quint32 seed = 1; seed <= 12; ++seed) {
        const Recording recording{intervals[seed % 3], 100, int(seed / 3 % 3)};
        for (const Session session : sessions) {
            const SimDataSet set = generateDataSet(3600, seed, session, recording, seed % 2 == 1);
            const Samples s = samplesOf(set, recording.step());
            const FlightReport report =
                analyseFlights(s.times.data(), s.altitudes.data(), s.times.size(), labelOf(recording));
            EXPECT_EQ(test::simulatedFlightFaults(report, set.flights, recording.step()), "")
                << "seed " << seed << ", session " << int(session) << ", interval " << recording.step() << " s, units "
                << recording.units;
            flown += int(set.flights.size());
            endedInAir += !set.flights.empty() && !set.flights.back().landing ? 1 : 0;
        }
    }
    EXPECT_GT(flown, 100);
    EXPECT_GE(endedInAir, 10);
}

// No flight sits at a ceiling: each reaches its highest altitude for a moment only, and the flights of a day reach
// heights of their own.
TEST(FlightGenerator, noFlightIsHeldAtACeiling)
{
    const SimDataSet set = generateDataSet(65535, 3, Session::Electric, Recording{}, false);
    const Samples s = samplesOf(set, Recording{}.step());
    ASSERT_GT(set.flights.size(), 20u);
    double lowestHighest = 1e9;
    double highestHighest = -1e9;
    for (const SimFlight& f : set.flights) {
        int run = 0;
        int longest = 0;
        for (std::size_t i = std::size_t(f.launch); i <= std::size_t(*f.landing); ++i) {
            run = s.altitudes[i] == f.highest ? run + 1 : 0;
            longest = std::max(longest, run);
        }
        EXPECT_LE(longest, 5) << "flight at " << f.launch;
        lowestHighest = std::min(lowestHighest, f.highest);
        highestHighest = std::max(highestHighest, f.highest);
    }
    EXPECT_GT(highestHighest - lowestHighest, 300); // feet
}

} // namespace
