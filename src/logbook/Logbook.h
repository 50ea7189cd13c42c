#pragma once

#include "logbook/DownloadFacts.h"
#include "logbook/LogbookIndex.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace vimo {

struct Plot;

// What became of a flight given to the archive.
struct ArchiveOutcome {
    bool archived = false;
    bool alreadyArchived = false; // not archived, as the archive holds these samples already
    QString path;                 // the file written, or the file that holds the samples already (absolute)
    QString reason; // why not, when not ("Set 3 is already in the Logbook (2026-12-08)" when already archived)
};

// What an import did.
struct ImportOutcome {
    QStringList imported; // files written into the archive (absolute)
    QStringList failed;   // "<source>: <reason>" for each file that was not copied
};

// The archive of downloaded flights: a folder of data set files, one folder per download date, each file with its
// facts beside it, and the index over them. The files are never overwritten and never removed outright.
class Logbook {
public:
    // Opens the archive folder `root` and brings its index in line with the files.
    explicit Logbook(const QString& root);

    const QString& root() const { return m_root; }
    LogbookIndex& index() { return m_index; }
    QString absolutePath(const QString& relativePath) const;

    // Writes data set k of the plot as a data set file "<date>/Alt_<date>_<set>.csv" (then "-2", "-3", ...) and
    // indexes it. A failure leaves no file behind and says why. A set whose samples are archived already, from the
    // same module and set number and at least as whole, is not archived again: the outcome names that file.
    ArchiveOutcome archive(const Plot& plot, int k, const DownloadFacts& facts);

    // Copies the "*.csv" files of `folder` into the archive's "imported/<today>" folder and indexes them.
    ImportOutcome importFolder(const QString& folder);

    // Renames the data set of an archived file: the file is written anew with the name, and its row follows.
    bool rename(const QString& relativePath, const QString& name, QString* reason = nullptr);

    // Names the model aircraft of an archived file: kept in its facts file (written safely) and in the index. An
    // empty name takes the name away.
    bool setAirframe(const QString& relativePath, const QString& airframe, QString* reason = nullptr);

    // Moves an archived file (and its facts) into the "deleted" folder and drops its row. Returns where it went
    // (relative), for restore().
    std::optional<QString> moveToDeleted(const QString& relativePath, QString* reason = nullptr);

    // Undoes moveToDeleted(): the file goes back to its place (or a free name beside it) and is indexed again.
    // Returns its relative path.
    std::optional<QString> restore(const QString& deletedPath, const QString& originalPath, QString* reason = nullptr);

private:
    std::optional<ArchivedRecording> indexFile(const QString& relativePath);
    std::optional<ArchivedRecording> sameSamples(const QByteArray& bytes, const DownloadFacts& facts);
    ArchiveOutcome store(const QString& folder, const QString& stem, const QByteArray& bytes,
                         const DownloadFacts& facts);

    QString m_root;
    LogbookIndex m_index;
};

// "Set 3 is already in the Logbook (2026-12-08)": a download of samples that are archived already, with the date
// (local) they were first downloaded.
QString alreadyArchivedText(int set, const QDateTime& downloaded);

} // namespace vimo
