#pragma once

#include "logbook/FlightMeasures.h"

#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

namespace vimo {

struct DataSet;
struct DownloadFacts;

// One archived recording as the logbook index keeps it: a data set file of the archive, the facts of its download,
// and every flight the flight analysis finds in it.
struct ArchivedRecording {
    // The longest model name, in characters.
    static constexpr int kAirframeChars = 40;

    QString path;         // relative to the archive folder, with "/" separators
    QDateTime downloaded; // UTC
    int set = 0;          // 1-based set number on the module; 0 when unknown
    QString deviceName;   // the module's identity from "v", when it was read
    QString model;
    QString softwareVersion;
    int samples = 0;
    std::optional<double> interval; // seconds between samples
    QString unit;                   // "feet", "meters", ... from the data set's altitude label
    int triggerCount = 0;
    std::optional<double> firstTime;
    std::optional<double> lastTime;
    std::optional<double> firstValue;
    std::optional<double> lastValue;
    std::optional<double> highestValue;
    QString name;
    QString notes; // the three notes, one per line, trailing empty ones left out
    bool incomplete = false;
    QString airframe; // the model aircraft that carried the module, as the user named it; empty when unnamed
    QString digest;   // of the samples (sampleDigest): the same samples downloaded again give the same digest
    std::vector<FlightMeasures> flights; // in the order they were flown
    qint64 fileSize = 0;                 // what the file was when it was indexed: a change means it is read again
    qint64 fileModified = 0;             // milliseconds since the epoch

    friend bool operator==(const ArchivedRecording&, const ArchivedRecording&) = default;
};

// The record of a data set: its figures, its flights (in its own unit) and the facts of its download. Path and file
// stamps are left for the caller.
ArchivedRecording describeRecording(const DataSet& set, const DownloadFacts& facts);

// A digest of a data set's samples (times and altitudes, trigger samples too) as hex text. Equal samples give equal
// digests; the name, notes and styles do not count.
QString sampleDigest(const DataSet& set);

// A model name as the logbook keeps it: one line, cut to kAirframeChars, blanks at its ends dropped.
QString airframeName(const QString& typed);

// The unit named in an altitude label: the word in its parentheses, in lower case ("Altitude (Feet)" -> "feet").
QString unitOfLabel(const QString& yLabel);

// The set number in an archive file name "Alt_<date>_<n>[-k].csv"; 0 when the name is not of that form.
int setNumberOfFileName(const QString& fileName);

} // namespace vimo
