#pragma once

#include "data/Plot.h"

#include <initializer_list>
#include <utility>

namespace vimo::test {

// A data set of `count` samples one second apart from `startTime`, altitude base + i, no triggers.
inline DataSet& addEvenSet(Plot& plot, int count, double startTime = 0, double base = 0)
{
    DataSet& set = plot.signals.createDataSet();
    set.clearSamples();
    for (int i = 0; i < count; ++i)
        set.altitude.series.append(startTime + i, base + i);
    return set;
}

// A data set with exactly the given (time, altitude) samples.
inline DataSet& addSet(Plot& plot, std::initializer_list<std::pair<double, double>> samples)
{
    DataSet& set = plot.signals.createDataSet();
    set.clearSamples();
    for (const auto& [t, a] : samples)
        set.altitude.series.append(t, a);
    return set;
}

} // namespace vimo::test
