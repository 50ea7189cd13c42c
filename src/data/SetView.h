#pragma once

#include "data/Signal.h"

namespace vimo {

struct DataSet;
struct Plot;

// How the plot's view places the values of one data set on its axes, on top of the data: its times are shifted
// (Align at Launch) and its altitudes converted into the axis unit. Neither changes a sample. Every place that
// maps a data set's samples to the axes or back (drawing, scaling, read-outs, crop, flight marks) goes through
// this, so that the view and what is measured on it always agree.
struct SetView {
    double timeShift = 0; // seconds added to the data set's times
    double toAxis = 1;    // multiplies the data set's altitudes (toAxisFactor)

    double axisTime(double t) const { return t + timeShift; }
    double setTime(double axisT) const { return axisT - timeShift; }
    double axisAltitude(double a) const { return a * toAxis; }

    // Where a sample of `signal` is drawn: through the Signal's display transform (time and altitude offsets and
    // scales), then as above. The cursor read-out and the climb-rate curve follow the drawn line with these.
    double drawnTime(const Signal& signal, double t) const
    {
        return axisTime(t * signal.timeScale + signal.timeOffset);
    }
    double drawnAltitude(const Signal& signal, double a) const
    {
        return axisAltitude(a * signal.altitudeScale + signal.altitudeOffset);
    }
    // A rate of the Signal's samples (altitude per second) as the drawn line climbs.
    double drawnRate(const Signal& signal, double rate) const
    {
        return axisAltitude(rate * signal.altitudeScale / signal.timeScale);
    }
    // The Signal's own sample time drawn at axis time axisT (not finite for a time scale of 0).
    double ownTime(const Signal& signal, double axisT) const
    {
        return (setTime(axisT) - signal.timeOffset) / signal.timeScale;
    }
};

// The view of data set `set` of `plot`: the shift is minus its first launch while the plot is aligned at launch and
// the set has one, else 0.
SetView setView(const Plot& plot, const DataSet& set);

} // namespace vimo
