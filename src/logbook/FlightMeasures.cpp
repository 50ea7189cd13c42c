#include "logbook/FlightMeasures.h"

#include "analysis/FlightAnalysis.h"
#include "data/Signal.h"

namespace vimo {

std::vector<FlightMeasures> measureFlights(const DataSet& set)
{
    // The start height always uses the F5J window of 10 s, never the window chosen for the Flights table: a
    // recording is measured once, when its file is indexed (by the window or by vimo-cli), and flights measured on
    // different days must stay comparable.
    const FlightReport report = analyseFlights(set.altitude, set.unit);
    std::vector<FlightMeasures> flights;
    flights.reserve(report.flights.size());
    for (const Flight& f : report.flights) {
        FlightMeasures m;
        m.number = int(flights.size()) + 1;
        m.launch = f.launch;
        m.duration = f.duration;
        m.startHeight = f.startHeight;
        m.penalty = f.f5jPenalty;
        m.highestAltitude = f.maxAltitude;
        m.climbs = int(f.climbs.size());
        flights.push_back(m);
    }
    return flights;
}

} // namespace vimo
