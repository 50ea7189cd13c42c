#include "data/Signal.h"

namespace vimo {

bool DataSet::addRateMark(std::int32_t first, std::int32_t second)
{
    for (RateMark& mark : rateMarks) {
        if (!mark.inUse) {
            mark = RateMark{first, second, true};
            return true;
        }
    }
    return false;
}

int DataSet::rateMarkCount() const
{
    int n = 0;
    for (const RateMark& mark : rateMarks)
        n += mark.inUse ? 1 : 0;
    return n;
}

void DataSet::clearSamples()
{
    altitude.series.clear();
    trigger.series.clear();
}

std::size_t DataSet::memoryBytes() const
{
    return sizeof(DataSet) + altitude.series.memoryBytes() + trigger.series.memoryBytes();
}

} // namespace vimo
