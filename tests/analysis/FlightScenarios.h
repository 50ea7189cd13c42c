#pragma once

#include "../support/SyntheticFlight.h"
#include "analysis/FlightAnalysis.h"

#include <QString>
#include <random>
#include <string>

namespace vimo::test {

// Random flights of the kinds pilots record, each seed its own; the truth comes with the recording.
class FlightScenarios {
public:
    explicit FlightScenarios(std::uint32_t seed) : m_random(seed) {}

    double pick(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(m_random); }
    int pickInt(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_random); }

    // An F5J-style flight: ground time, a motor climb, a glide, thermals with glides between, a landing on the
    // launch field.
    void electricFlight(FlightPathBuilder& path)
    {
        const double ground = path.altitude();
        path.stay(pick(15, 60));
        const double rate = pick(5, 20);
        path.motorLaunch(rate, std::min(pick(8, 30), pick(100, 300) / rate));
        path.glide(pick(0.4, 1.0), pick(25, 60));
        const int thermals = pickInt(0, 3);
        for (int i = 0; i < thermals; ++i) {
            path.thermal(pick(0.8, 2.5), pick(40, 120));
            path.glide(pick(0.5, 1.2), pick(30, 90));
        }
        path.landAt(ground + pick(-0.5, 0.5), pick(0.5, 1.2));
        path.stay(pick(30, 90));
    }

    // Several throws with walks back between them.
    void handLaunchSession(FlightPathBuilder& path, int flights)
    {
        const double ground = path.altitude();
        path.stay(pick(15, 40));
        for (int i = 0; i < flights; ++i) {
            path.handLaunch(pick(25, 55));
            const double sink = pick(0.4, 0.8);
            path.glide(sink, std::min(pick(20, 50), (path.altitude() - ground - 5) / sink)); // not into the field
            path.landAt(ground + pick(-0.5, 0.5), pick(0.5, 1.0));
            path.stay(pick(20, 60));
        }
    }

    // Ground time, a motor climb, a glide and one thermal: a flight whose end the caller chooses.
    void climbOutAndThermal(FlightPathBuilder& path)
    {
        path.stay(pick(15, 40));
        path.motorLaunch(pick(6, 15), pick(10, 20));
        path.glide(pick(0.5, 1.0), pick(30, 60));
        path.thermal(pick(0.8, 2.0), pick(40, 90));
    }

    // A flight from the edge of a slope: time at rest there, a dive away from it, a glide with or without a
    // thermal, and a landing well below the take-off.
    void slopeFlight(FlightPathBuilder& path)
    {
        const double takeOff = path.altitude();
        path.stay(pick(15, 60));
        path.slopeLaunch(pick(2.5, 4), pick(5, 8));
        path.glide(pick(0.5, 1.0), pick(20, 40));
        if (pickInt(0, 1))
            path.thermal(pick(0.8, 2.0), pick(40, 90)).glide(pick(0.5, 1.0), pick(20, 40));
        path.landAt(std::min(path.altitude(), takeOff) - pick(30, 150), pick(0.6, 1.2));
        path.stay(pick(30, 90));
    }

    double interval() { return pick(0.1, 1.0); }

    std::mt19937 m_random;
};

// The label a module writes for each unit.
inline QString labelFor(double metresPerUnit)
{
    if (metresPerUnit == 0.3048)
        return QStringLiteral("Altitude (feet)");
    if (metresPerUnit == 0.9144)
        return QStringLiteral("Altitude (yards)");
    return QStringLiteral("Altitude (meters)");
}

inline FlightReport analyse(const SyntheticRecording& r, const AnalysisOptions& options = {})
{
    return analyseFlights(r.times.data(), r.altitudes.data(), r.times.size(), labelFor(r.metresPerUnit), options);
}

// Every way the report misses the truth by more than the accuracies flights are measured to, one line each;
// empty when it matches.
std::string accuracyFaults(const FlightReport& report, const SyntheticRecording& truth, double interval);

} // namespace vimo::test
