#pragma once

#include "SimTypes.h"
#include "analysis/FlightAnalysis.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>

namespace vimo::test {

// Every way the flights an analysis found miss the ones the simulator flew, one line each; empty when they match:
// as many flights, each launched within two samples (or two seconds), landed within three samples (or five
// seconds) or ending in the air as flown, and measured as high as its highest sample to within a unit.
inline std::string simulatedFlightFaults(const FlightReport& report, const std::vector<sim::SimFlight>& flown,
                                         double step)
{
    std::ostringstream out;
    if (report.flights.size() != flown.size()) {
        out << report.flights.size() << " flights found, " << flown.size() << " flown\n";
        for (const Flight& f : report.flights)
            out << "  found " << f.launch << ".." << (f.landing ? *f.landing : -1.0) << '\n';
        for (const sim::SimFlight& f : flown)
            out << "  flown " << f.launch << ".." << (f.landing ? *f.landing : -1.0) << '\n';
        return out.str();
    }
    const double launchWithin = std::max(2.0, 2 * step);
    const double landingWithin = std::max(5.0, 3 * step);
    for (std::size_t k = 0; k < flown.size(); ++k) {
        const Flight& f = report.flights[k];
        const sim::SimFlight& t = flown[k];
        if (!(std::abs(f.launch - t.launch) <= launchWithin))
            out << "flight " << k + 1 << " launch " << f.launch << ", flown " << t.launch << '\n';
        if (f.landing.has_value() != t.landing.has_value())
            out << "flight " << k + 1 << (t.landing ? " landed but no landing found\n" : " landing found in the air\n");
        else if (t.landing && !(std::abs(*f.landing - *t.landing) <= landingWithin))
            out << "flight " << k + 1 << " landing " << *f.landing << ", flown " << *t.landing << '\n';
        const double highest = f.groundAltitude + f.maxAltitude;
        if (!(std::abs(highest - t.highest) <= 1.0))
            out << "flight " << k + 1 << " highest " << highest << ", flown " << t.highest << '\n';
    }
    return out.str();
}

} // namespace vimo::test
