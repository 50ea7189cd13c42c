#pragma once

#include "logbook/FlightMeasures.h"

#include <QDateTime>
#include <QString>
#include <optional>

namespace vimo {

struct DataSet;
struct DownloadFacts;

// One archived flight as the logbook index keeps it: one row per data set file of the archive.
struct FlightRecord {
    QString path;          // relative to the archive folder, with "/" separators
    QDateTime downloaded;  // UTC
    int set = 0;           // 1-based set number on the module; 0 when unknown
    QString deviceName;    // the module's identity from "v", when it was read
    QString model;
    QString softwareVersion;
    int samples = 0;
    std::optional<double> interval; // seconds between samples
    QString unit;          // "feet", "meters", ... from the data set's altitude label
    int triggerCount = 0;
    std::optional<double> firstTime;
    std::optional<double> lastTime;
    std::optional<double> firstValue;
    std::optional<double> lastValue;
    std::optional<double> highestValue;
    QString name;
    QString notes;         // the three notes, one per line, trailing empty ones left out
    bool incomplete = false;
    FlightMeasures measures;
    qint64 fileSize = 0;   // what the file was when it was indexed: a change means it is read again
    qint64 fileModified = 0; // milliseconds since the epoch

    friend bool operator==(const FlightRecord&, const FlightRecord&) = default;
};

// The record of a data set: its figures, its measures (in its own unit) and the facts of its download. Path and
// file stamps are left for the caller.
FlightRecord describeFlight(const DataSet& set, const DownloadFacts& facts);

// The unit named in an altitude label: the word in its parentheses, in lower case ("Altitude (Feet)" -> "feet").
QString unitOfLabel(const QString& yLabel);

// The set number in an archive file name "Alt_<date>_<n>[-k].csv"; 0 when the name is not of that form.
int setNumberOfFileName(const QString& fileName);

} // namespace vimo
