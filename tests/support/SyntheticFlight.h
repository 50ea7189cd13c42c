#pragma once

#include "data/Signal.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>

namespace vimo::test {

// Replaces the altitude samples of a data set by a long, noisy flight of n samples, one every half second: a
// launch, thermals, a glide down, with sensor noise. Each seed gives a flight of its own height and rhythm;
// the same seed always the same flight. Shared by the renderer's tests and its benchmark.
inline void fillFlight(DataSet& set, int n, std::uint32_t seed)
{
    std::mt19937 random(seed);
    std::normal_distribution<double> noise(0.0, 1.5);
    std::uniform_real_distribution<double> pick(0.0, 1.0);
    const double ceiling = 150.0 + 150.0 * pick(random); // launch height
    const double period = 300.0 + 900.0 * pick(random);  // thermal cycle in samples
    const double lift = 20.0 + 60.0 * pick(random);
    SampleSeries& s = set.altitude.series;
    s.clear();
    const int launch = n / 40;
    const int glide = n * 3 / 4;
    for (int i = 0; i < n; ++i) {
        double altitude;
        if (i < launch)
            altitude = ceiling * i / launch;
        else if (i < glide)
            altitude = ceiling + lift * std::sin((i - launch) / period) + 0.2 * lift * std::sin(i / 41.0);
        else
            altitude = std::max(0.0, (ceiling + lift * std::sin((glide - launch) / period)) * (n - i) / (n - glide));
        s.append(i * 0.5, altitude + noise(random));
    }
}

} // namespace vimo::test
