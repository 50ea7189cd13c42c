#pragma once

#include <QString>
#include <optional>

namespace vimo {

struct DataSet;

// The measures of a file's first flight that the logbook shows beside the file's own figures, in the data set's
// unit; heights are above the ground level of the launch. Each is unknown (empty) when the flight
// analysis cannot tell it.
struct FlightMeasures {
    std::optional<double> launch;          // time of the launch, seconds
    std::optional<double> duration;        // seconds from launch to landing
    std::optional<double> startHeight;     // highest from the launch to 10 s after the launch end (F5J)
    std::optional<double> highestAltitude; // highest altitude of the flight

    friend bool operator==(const FlightMeasures&, const FlightMeasures&) = default;
};

// The one place where a flight's measures are worked out for the logbook. Everything that fills the index goes
// through here, so the flight analysis is plugged in at this point alone.
FlightMeasures measureFlight(const DataSet& set);

} // namespace vimo
