#include "logbook/FlightMeasures.h"

namespace vimo {

FlightMeasures measureFlight(const DataSet&)
{
    // No flight analysis yet: the measures stay unknown and their columns empty.
    return {};
}

} // namespace vimo
