#pragma once

#include "plot/PlotPoint.h"

#include <QString>
#include <optional>

namespace vimo {

struct Plot;
class SampleSeries;

// The status bar read-outs while the mouse moves over the plot, for the sample nearest to the mouse's time. The
// altitudes are the data set's own, multiplied by `toAxis` (toAxisFactor) to be read in the axis unit.
struct CursorReadout {
    int sample = -1;             // the nearest sample of the active data set's altitude series
    QString position;            // "Time = %8.1lf, Altitude = %4d" (altitude truncated to a whole number)
    std::optional<QString> rate; // "Rate of Climb = %8.3lf units/sec" to the previous sample; none keeps the old text
};

// "Time = %8.1lf, Altitude = %4d" with the altitude truncated toward zero (saturated to 32 bits).
QString positionText(double time, double altitude);

// "Rate of Climb = %8.3lf units/sec" from sample i - 1 to sample i; none for the first sample, for a sample that
// does not exist, and for two samples at the same time (the rate is undefined there).
std::optional<QString> rateOfClimbText(const SampleSeries& series, int i, double toAxis = 1.0);

// The read-outs for time t; none when the series holds no sample (the panels keep their texts).
std::optional<CursorReadout> cursorReadout(const SampleSeries& series, double t, double toAxis = 1.0);

// The read-outs of data set k's altitude series for time t of the time axis, as the view shows the set: the nearest
// sample to t in the set's own times, its time as the axis shows it and its altitude and rate in the axis unit.
// None for an invalid k or a set without samples.
std::optional<CursorReadout> cursorReadout(const Plot& plot, int k, double t);

// Where sample i of data set k's altitude series lies on the axes (time shifted, altitude in the axis unit), for the
// cursor circle; none for a sample that does not exist.
std::optional<PlotPoint> samplePoint(const Plot& plot, int k, int i);

} // namespace vimo
