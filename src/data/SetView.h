#pragma once

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
};

// The view of data set `set` of `plot`: the shift is minus its first launch while the plot is aligned at launch and
// the set has one, else 0.
SetView setView(const Plot& plot, const DataSet& set);

} // namespace vimo
