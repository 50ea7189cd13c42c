#pragma once

#include "data/SafeSave.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <QStringList>

namespace vimo {

struct Plot;

// The CSV data files: a data set file holds the block of one data set; a plot file holds the plot's texts and
// ranges and then, per data set, a style line ("!") and its block. Both are written in UTF-8 with CR LF line ends
// and locale-independent numbers; the reader takes either form, CR LF or LF, UTF-8 or Windows-1252.
namespace datafile {

// The bytes of a data set file for data set k; empty when k is not a data set.
QByteArray dataSetFileBytes(const Plot& plot, int k);

// The bytes of a plot file with every data set.
QByteArray plotFileBytes(const Plot& plot);

// A plot file is read up to this many data sets; the rest is not loaded (a file of endless "!" lines would
// otherwise take all memory).
inline constexpr int kMaxDataSetsPerFile = 1000;

// What a read passed over. The data still loads as the reader's rules say, but the user should hear of it.
struct ReadReport {
    int unreadableLines = 0;      // sample and "#C" lines that could not be read whole
    int firstUnreadableLine = 0;  // 1-based number of the first of them, 0 when there is none
    int cutDataSets = 0;          // data sets whose samples beyond SampleSeries::kCapacity were not loaded
    bool dataSetsRefused = false; // the file held more than kMaxDataSetsPerFile data sets; the rest was not loaded
    bool notDataFile = false;     // no line of the file is a sample, and it is no Vimo file otherwise: nothing loaded

    bool clean() const { return unreadableLines == 0 && cutDataSets == 0 && !dataSetsRefused; }
    // One sentence for each thing passed over, for a warning.
    QStringList warnings() const;
};

// Reads either form and appends its data sets to the plot (none is removed); a plot file also sets the plot's
// texts and visible range. Returns how many data sets were added. What does not parse keeps a sensible value, and
// lines that hold nothing but blanks are no samples. Bytes that are no data file at all (no line is a sample, and
// neither a plot file's first line nor a complete block header is there: an empty file, random bytes, another
// kind of text) are refused: -1, nothing changed and `report.notDataFile` set. Text with a UTF-16 byte order mark
// is read as what it is. `report`, when given, receives what was passed over.
int readDataFile(QByteArrayView bytes, Plot& plot, ReadReport* report = nullptr);

// The reason given for bytes that readDataFile() refuses: "not a Vimo data file".
QString notDataFileReason();

// Writes data set k as a data set file. A k that is no data set (none selected) writes nothing and answers
// SaveStatus::NoDataSet.
SaveStatus saveDataSetFile(const QString& path, const Plot& plot, int k, QString* reason = nullptr);

// Writes the plot and all its data sets as a plot file.
SaveStatus savePlotFile(const QString& path, const Plot& plot, QString* reason = nullptr);

// Loads a data file as readDataFile() does. Returns how many data sets were added, or -1 when the file cannot be
// opened, is no regular file or is no data file (then nothing changed and `reason`, when given, says why).
int loadDataFile(const QString& path, Plot& plot, QString* reason = nullptr, ReadReport* report = nullptr);

// Suggested names: "Alt_<yyyy-mm-dd>_<n>.csv" with n = selectedSet + 1 (the 1-based module data set last chosen
// for download), and "Plot_<yyyy-mm-dd>.csv".
QString suggestedDataSetFileName(const QDate& date, int selectedSet);
QString suggestedPlotFileName(const QDate& date);

} // namespace datafile
} // namespace vimo
