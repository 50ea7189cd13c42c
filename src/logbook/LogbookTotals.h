#pragma once

#include "data/AltitudeUnit.h"
#include "logbook/FlightMeasures.h"

#include <QString>
#include <optional>
#include <vector>

namespace vimo {

// A flight the Logbook shows, with the unit of its heights.
struct ShownFlight {
    const FlightMeasures* flight;
    AltitudeUnit unit;
};

// The totals of the flights shown: how many, how long in the air, and how well they were launched.
struct LogbookTotals {
    int flights = 0;
    double airTime = 0;                        // seconds
    double longest = 0;                        // seconds
    AltitudeUnit unit = AltitudeUnit::Unknown; // of the start heights below (heightUnit())
    std::optional<double> bestStartHeight;
    std::optional<double> meanStartHeight;
    std::optional<double> worstStartHeight;
    double penalty = 0; // F5J penalty points of the flights that have a start height

    friend bool operator==(const LogbookTotals&, const LogbookTotals&) = default;
};

// The unit in which the heights of these flights compare: the one they share, else metres (a flight of unknown
// unit is measured in metres).
AltitudeUnit heightUnit(const std::vector<ShownFlight>& flights);

// A flight's start height in `unit`; nothing when it has none.
std::optional<double> startHeightIn(const ShownFlight& flight, AltitudeUnit unit);

LogbookTotals totalsOf(const std::vector<ShownFlight>& flights);

// One line: "8 flights, air time 1:02:03, longest 12:34, start height best 182.3 m, mean 150.1 m, worst 95.0 m,
// penalty 1234.5".
QString totalsText(const LogbookTotals& totals);

} // namespace vimo
