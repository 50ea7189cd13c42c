#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace vimo {

struct DataSet;

// The measures of one flight of a recording that the logbook keeps, in the data set's unit; heights are above the
// ground level of the launch.
struct FlightMeasures {
    int number = 1;                    // the flight's place in its recording, from 1
    double launch = 0;                 // time of the launch on the recording's time axis, seconds
    double duration = 0;               // seconds from the launch to the landing (or to the recording's end)
    std::optional<double> startHeight; // highest from the launch to 10 s after the launch end (F5J)
    std::optional<double> penalty;     // F5J penalty points of the start height
    double highestAltitude = 0;        // highest altitude of the flight
    int climbs = 0;                    // climbs in lift after the start-height window

    friend bool operator==(const FlightMeasures&, const FlightMeasures&) = default;
};

// The one place where a recording's flights are measured for the logbook. Everything that fills the index goes
// through here, so the flight analysis is plugged in at this point alone. A recording without a flight has none.
std::vector<FlightMeasures> measureFlights(const DataSet& set);

} // namespace vimo
