#pragma once

#include "FlightPlan.h"
#include "SimTypes.h"

namespace vimo::sim {

// How the module records: the sampling interval in multiples of the base interval (milliseconds), and the unit
// (ModuleConfig units: 0 feet, 1 yards, 2 metres; any other value records feet).
struct Recording {
    quint16 interval = 10;
    int baseIntervalMs = 100;
    int units = 0;

    double step() const;          // seconds between samples
    double metresPerUnit() const; // of the recorded altitudes
};

// The data set a module records of a session, `words` words long: samples of the session's true altitude with the
// noise of a barometric altimeter, rounded to the unit, and with triggers a mark before the sample at each launch and
// camera shot. Its flights say what the simulator flew. The same seed gives the same words.
SimDataSet generateDataSet(int words, quint32 seed, Session session, const Recording& recording, bool triggers);

// `count` data sets of `words` words each, with seeds seed, seed + 1, ...: electric flights, a hand-launch session and
// electric flights that end in the air, in turn; the first, third, ... set carry trigger data.
std::vector<SimDataSet> generateDataSets(int count, int words, quint32 seed, const Recording& recording);

} // namespace vimo::sim
