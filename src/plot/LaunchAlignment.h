#pragma once

namespace vimo {

struct DataSet;
struct FlightReport;
struct Plot;

// "Align at Launch": every data set shown with its first flight's launch at time 0, so that launches and climbs of
// several flights lie on top of each other. Only the view changes (Plot::alignAtLaunch, DataSet::firstLaunch, used
// through setView); samples and files do not.

// Records the first launch of the report's data set: its first flight's launch, none when it has no flight. The
// report is the data set's own analysis (analyseFlights of its altitude Signal).
void recordFirstLaunch(DataSet& set, const FlightReport& report);

// Analyses every data set (in its analysis unit, with the launch ends the user moved) and records its first launch.
// While aligned, call it again when data sets come or change (a download, a load, a correction); a crop moves the
// launches itself.
void findFirstLaunches(Plot& plot);

// Turns the alignment on (finding every data set's first launch first) or off, and scales the time axis
// automatically to the data sets as they now lie, so that the flights are in view either way.
void setAlignAtLaunch(Plot& plot, bool on);

} // namespace vimo
