#pragma once

#include "data/AltitudeUnit.h"

#include <QStringList>
#include <map>
#include <optional>
#include <vector>

namespace vimo {

// A stretch after the start-height window in which the smoothed altitude rose: start and end in seconds on the
// time axis, the height gained and the average rate in the data set's unit (per second).
struct Climb {
    double start = 0;
    double end = 0;
    double gain = 0;
    double rate = 0;
};

// One flight of a data set. Times are seconds on the plot's time axis; altitudes are in the data set's unit and,
// except groundAltitude, above the ground level.
struct Flight {
    double launch = 0;
    bool launchBeforeRecording = false; // the recording began in the air: launch is its first sample
    std::optional<double> launchEnd;    // none when the launch was not recorded
    bool launchEndEstimated = true;     // false when the caller set it
    std::optional<double> windowEnd;    // end of the start-height window
    std::optional<double> landing;      // none when the recording ends in the air
    double duration = 0;                // landing (or the last sample) minus launch
    double groundAltitude = 0;
    std::optional<double> startHeight;
    std::optional<double> startHeightMeters;
    std::optional<double> startHeightTime; // where the start height was reached
    std::optional<double> f5jPenalty;
    double maxAltitude = 0;
    double maxAltitudeTime = 0;
    std::vector<Climb> climbs;
};

// Everything the analysis found in one data set, with what it noticed about the input on the way.
struct FlightReport {
    UnitOfLabel unit;
    std::vector<Flight> flights;
    QStringList notes;
};

// How to analyse: the length of the start-height window after the launch end, and launch ends set by the user,
// keyed by flight index (0 = first flight), in seconds on the time axis.
struct AnalysisOptions {
    double window = 10.0;
    std::map<int, double> launchEnds;
};

// Penalty points of a start height in metres: 0.5 a metre up to 200 m and 3 a metre above, of the height rounded
// to whole metres. Negative heights cost nothing.
double f5jPenalty(double startHeightMeters);

} // namespace vimo
