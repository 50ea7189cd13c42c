#pragma once

#include "analysis/FlightReport.h"

#include <QString>
#include <cstddef>

namespace vimo {

struct Signal;

// Finds and measures every flight of an altitude Signal, as its samples appear on the plot (the Signal's time and
// altitude scale and offset applied), in the data set's own `unit` (metres are assumed for Unknown, and the report
// says so). Never fails: input without a flight gives no flights, and what looked wrong in the input is said in the
// report's notes.
FlightReport analyseFlights(const Signal& altitude, AltitudeUnit unit, const AnalysisOptions& options = {});

// The same over plain arrays of n times (seconds) and altitudes in `unit`.
FlightReport analyseFlights(const double* times, const double* altitudes, std::size_t n, AltitudeUnit unit,
                            const AnalysisOptions& options = {});

// The same with the unit named by an altitude label.
FlightReport analyseFlights(const Signal& altitude, const QString& altitudeLabel, const AnalysisOptions& options = {});
FlightReport analyseFlights(const double* times, const double* altitudes, std::size_t n, const QString& altitudeLabel,
                            const AnalysisOptions& options = {});

} // namespace vimo
