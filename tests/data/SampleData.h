#pragma once

#include "data/Plot.h"

#include <utility>
#include <vector>

namespace vimo::test {

// Appends a data set whose altitude series holds the given (time, altitude) samples and whose trigger series holds
// copies of the samples at the given indices.
inline DataSet& addDataSet(Plot& plot, const std::vector<std::pair<double, double>>& samples,
                           const std::vector<int>& triggerIndices = {})
{
    DataSet& set = plot.signals.createDataSet();
    set.clearSamples();
    for (const auto& [time, altitude] : samples)
        set.altitude.series.append(time, altitude);
    for (const int i : triggerIndices)
        set.trigger.series.append(samples[std::size_t(i)].first, samples[std::size_t(i)].second);
    return set;
}

} // namespace vimo::test
