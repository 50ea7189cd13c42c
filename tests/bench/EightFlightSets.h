#pragma once

// Eight data sets of 65,536 samples each, the load of the flight benchmarks: half are one long flight each, half a
// day of F5J flights and throws with ground time between them, sampled at 0.1 to 0.4 s.
#include "../analysis/FlightScenarios.h"
#include "../support/SyntheticFlight.h"
#include "data/Plot.h"

#include <cstdint>

namespace vimo::test {

inline void fillFlightDay(DataSet& set, std::uint32_t seed, double interval)
{
    FlightScenarios scenarios{seed};
    FlightPathBuilder path(100);
    while (path.time() < interval * SampleSeries::kCapacity) {
        scenarios.electricFlight(path);
        scenarios.handLaunchSession(path, 2);
    }
    const SyntheticRecording r = path.sample(interval, 0.3, seed);
    set.clearSamples();
    for (int i = 0; i < SampleSeries::kCapacity; ++i)
        set.altitude.series.append(r.times[std::size_t(i)], r.altitudes[std::size_t(i)]);
}

// Fills `plot` with the eight data sets, in metres.
inline void fillEightFlightSets(Plot& plot)
{
    for (int k = 0; k < 8; ++k) {
        DataSet& set = plot.signals.createDataSet();
        if (k < 4)
            fillFlight(set, SampleSeries::kCapacity, std::uint32_t(k + 1));
        else
            fillFlightDay(set, std::uint32_t(k), 0.1 * (k - 3));
    }
    plot.yLabel = QStringLiteral("Altitude (meters)");
}

} // namespace vimo::test
