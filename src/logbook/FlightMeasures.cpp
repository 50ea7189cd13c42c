#include "logbook/FlightMeasures.h"

#include "analysis/FlightAnalysis.h"
#include "data/Signal.h"

namespace vimo {

FlightMeasures measureFlight(const DataSet& set)
{
    // The logbook row stands for the file's first flight: a file with several flights (a whole session) is listed
    // by where it began. A recording without a flight leaves every measure unknown.
    // The start height always uses the F5J window of 10 s, never the window chosen for the Flights table: a row is
    // measured once, when its file is indexed (by the window or by vimo-cli), and flights measured on different
    // days must stay comparable.
    const FlightReport report = analyseFlights(set.altitude, set.unit);
    if (report.flights.empty())
        return {};
    const Flight& first = report.flights.front();
    FlightMeasures m;
    m.launch = first.launch;
    m.duration = first.duration;
    m.startHeight = first.startHeight;
    m.highestAltitude = first.maxAltitude;
    return m;
}

} // namespace vimo
