#pragma once

#include "data/AltitudeAxis.h"
#include "data/Plot.h"

#include <QString>

namespace vimo {

struct FlightReport;

// The altitude axis as the window shows it. Each data set keeps the unit it was recorded in; the axis shows the
// unit that axisUnit() resolves (the chosen one, or with "As Recorded" that of the first data set that knows its
// own), and everything drawn or read off the plot is converted into it on the fly.

// Chooses the axis unit. The visible and the home range are converted from the old axis unit into the new one, so
// the view shows the same stretch of the flights.
void setAltitudeAxisChoice(Plot& plot, AltitudeAxisChoice choice);

// An altitude of data set `set`, in the set's own unit, as the axis shows it.
double displayAltitude(const Plot& plot, const DataSet& set, double altitude);

// The legend text of data set k: its name, followed by its unit's symbol ("Data001 (ft)") while units are mixed
// and the set knows its unit.
QString legendText(const Plot& plot, int k);

// The unit the window analyses a data set's flights in: its own, or for a data set of unknown unit the one the
// axis label names (such a set is drawn unconverted, as if it were in the axis unit).
AltitudeUnit analysisUnit(const Plot& plot, const DataSet& set);

// A flight report in the axis unit: ground level, start height, highest altitude and climbs converted from the
// report's unit; the start height in metres and the penalty stay. A report whose unit was assumed, or an axis of
// unknown unit, leaves the figures as they are.
FlightReport reportInAxisUnit(const Plot& plot, const FlightReport& report);

// A flight report of data set `set` as the view shows the set: in the axis unit (reportInAxisUnit) and with every
// time shifted as the view shifts the set (Align at Launch), so that it can be drawn and read off the axes.
FlightReport reportInView(const Plot& plot, const DataSet& set, const FlightReport& report);

} // namespace vimo
