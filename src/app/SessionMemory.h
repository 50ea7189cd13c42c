#pragma once

#include "analysis/FlightReport.h"

#include <QString>
#include <QStringList>

class QSettings;

namespace vimo {

// What the window remembers of the user's work besides its settings: the data files used last, the folders the
// file dialogs were left in, the legend and the flights switches, and the start-height window of the Flights table.
// Kept in the group "Session", apart from the settings whose keys other programs and older versions read.
struct SessionMemory {
    static constexpr int kMaxRecentFiles = 8;
    // The longest start-height window the window offers, in seconds.
    static constexpr double kMaxStartHeightWindow = 600.0;

    QStringList recentFiles; // newest first
    QString loadFolder;
    QString saveFolder;
    QString exportFolder;
    bool legend = false;         // on the screen's plot
    bool legendInOutput = false; // on exported and printed plots
    bool flightsTable = false;        // the Flights table beside the plot
    bool flightMarks = false;         // on the screen's plot
    bool flightMarksInOutput = false; // on exported and printed plots
    double startHeightWindow = AnalysisOptions{}.window; // seconds after the launch end, 0..kMaxStartHeightWindow

    friend bool operator==(const SessionMemory&, const SessionMemory&) = default;
};

// `files` with `path` (made absolute) in front: a path already listed moves to the front, the list keeps at most
// kMaxRecentFiles entries.
QStringList withRecentFile(QStringList files, const QString& path);

// Reads and writes the group "Session" of `store`. Values that cannot be used are dropped: a recent list is cut
// to its length and loses empty entries; a start-height window that is no number of seconds from 0 to
// kMaxStartHeightWindow (text, NaN, negative, too long) takes the default.
SessionMemory readSessionMemory(QSettings& store);
void writeSessionMemory(QSettings& store, const SessionMemory& memory);

} // namespace vimo
