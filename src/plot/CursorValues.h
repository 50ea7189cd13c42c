#pragma once

#include "data/Colour.h"

#include <QString>
#include <optional>
#include <vector>

namespace vimo {

struct Plot;

// The cursor read-out: what every visible data set shows at one time of the time axis, as a tracker over the plot
// lists it. Values are interpolated linearly between the two samples either side of the time, so that the read-out
// moves smoothly with the cursor and agrees with the line drawn between them; the climb rate is the smoothed one of
// the climb-rate curve (ClimbRate.h), interpolated the same way.
struct CursorValue {
    int dataSet = -1;
    QString name;                    // as the legend names it (legendText)
    Colour colour = 0;               // the data set's line colour
    std::optional<double> altitude;  // in the axis unit; none outside the data set's recording
    std::optional<double> climbRate; // in the axis unit per second; none where it is undefined
};

struct CursorValues {
    double time = 0;               // on the time axis
    QString unit;                  // the axis unit's symbol ("m", "ft", "yd"), empty when it is unknown
    std::vector<CursorValue> sets; // the visible data sets in the plot's order
};

// The read-out at time t of the time axis: each visible data set as its line is drawn (the Signal's display
// transform, the view's time shift, altitudes in the axis unit), so that the values are those under the cursor.
CursorValues cursorValues(const Plot& plot, double t);

// The lines of the read-out, numbers in the same form in every locale:
//   "Time 123.4 s"
//   "123.4 ft" / "-" (none), "+1.25 ft/s" / "-" (none); "units" for an unknown axis unit.
QString cursorTimeText(const CursorValues& values);
QString cursorAltitudeText(const CursorValues& values, const CursorValue& value);
QString cursorClimbText(const CursorValues& values, const CursorValue& value);

} // namespace vimo
