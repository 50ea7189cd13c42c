#pragma once

#include "module/ModuleSession.h"
#include "module/SetDecoder.h"

#include <QDate>
#include <functional>

namespace vimo {

struct Plot;

// Receives each data set as it arrives (the window applies it on its own thread, vimo-cli writes a file).
using SetSink = std::function<void(DownloadedSet&&)>;

struct DownloadResult {
    int requested = 0; // sets asked for
    int delivered = 0; // sets that arrived (and went to the sink)
    bool cancelled = false;
};

// "Download Data" for the row `selectedRow` of the data set box (the row after the numbered ones is "All"; -1 is
// no row): sends "a" and the set index for each set, reads the header and the words, reports progress, and hands
// every set that arrives to `sink` after its memo lines. A set whose header does not come is reported as
// corrupted and the others still follow. `today` dates the sets' notes.
DownloadResult downloadDataSets(ModuleSession& session, int selectedRow, const SetSink& sink,
                                const QDate& today = QDate::currentDate());

// Adds a downloaded set to the plot as a new data set (createDataSet) in the module's unit, scales both axes to the
// data and sets the axis labels. Returns the new data set's index.
int addDownloadedSet(Plot& plot, const DownloadedSet& set);

} // namespace vimo
