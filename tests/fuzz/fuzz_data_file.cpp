// Fuzzes the data file reader: a file chosen by the user may hold anything. What is no data file is refused without
// a change; whatever else it holds is loaded, saved as a plot file and read again; the second save must give the
// same bytes as the first.
#include "data/Corrections.h"
#include "data/DataFile.h"
#include "data/PhotoList.h"
#include "data/Plot.h"

#include <QByteArray>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

bool timesInOrder(const vimo::Plot& plot)
{
    for (int k = 0; k < plot.signals.size(); ++k) {
        const auto& times = plot.signals.at(k).altitude.series.times();
        if (!std::is_sorted(times.begin(), times.end()))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    vimo::Plot plot;
    const int added = vimo::datafile::readDataFile(bytes, plot);
    if (added < 0) {
        if (plot.signals.size() != 0)
            std::abort(); // a refused file changes nothing
        return 0;
    }
    if (added != plot.signals.size())
        std::abort();
    for (int k = 0; k < plot.signals.size(); ++k) {
        const vimo::DataSet& set = plot.signals.at(k);
        if (set.altitude.series.count() > vimo::SampleSeries::kCapacity
            || set.trigger.series.count() > set.altitude.series.count() || set.name().size() > 2 * 19)
            std::abort();
    }

    const QByteArray saved = vimo::datafile::plotFileBytes(plot);
    vimo::Plot again;
    if (vimo::datafile::readDataFile(saved, again) != added)
        std::abort();
    // Trigger marks are derived from the order of the times; for samples in recording order a second save must
    // reproduce the first byte for byte.
    if (timesInOrder(plot) && vimo::datafile::plotFileBytes(again) != saved)
        std::abort();

    for (int k = 0; k < std::min(again.signals.size(), 4); ++k) {
        vimo::Plot single;
        vimo::datafile::readDataFile(vimo::datafile::dataSetFileBytes(again, k), single);
        vimo::photoListBytes(again, k);
        vimo::fixDrift(again, k);
        vimo::fixOffset(again, k);
    }
    return 0;
}
