#pragma once

#include <QString>
#include <optional>

namespace vimo {

class SampleSeries;
struct Plot;

// What a pilot reads off the visible part of a flight: the samples whose times lie within the visible time range,
// their lowest and highest altitude, the time from the first to the last of them, and the average climb between
// those two (altitude difference over time difference).
struct RangeStats {
    int samples = 0;
    double lowest = 0;
    double highest = 0;
    double firstTime = 0;
    double lastTime = 0;
    std::optional<double> averageClimb; // none when the first and last visible samples share one time

    double timeSpan() const { return lastTime - firstTime; }
};

// The statistics of the samples with tMin <= time <= tMax (raw sample values, times non-decreasing), altitudes and
// climb multiplied by `toAxis` (toAxisFactor) to be in the axis unit; none when no sample lies within the range
// (also for a reversed range).
std::optional<RangeStats> visibleRangeStats(const SampleSeries& series, double tMin, double tMax, double toAxis = 1.0);

// The statistics of data set k over the visible time range as the view shows the set (its time shift and its
// altitudes in the axis unit); the first and last times are those of the time axis. None for an invalid k.
std::optional<RangeStats> visibleRangeStats(const Plot& plot, int k);

// The read-out: "Low 12.0  High 523.0  Span 412.0 s  Avg Climb 1.270 units/sec", the climb as "-" when it is
// undefined, and "No samples in view" without statistics. Numbers in the same form in every locale.
QString rangeStatsText(const std::optional<RangeStats>& stats);

} // namespace vimo
