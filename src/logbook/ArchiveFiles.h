#pragma once

#include "logbook/ArchivedRecording.h"
#include "logbook/DownloadFacts.h"

#include <QString>
#include <optional>
#include <vector>

namespace vimo::archivefiles {

// The folder inside the archive that holds deleted flights; it is never indexed.
inline constexpr char kDeletedFolder[] = "deleted";

// A data set file found in the archive.
struct FoundFile {
    QString path; // relative to the archive folder, "/" separators
    qint64 size = 0;
    qint64 modified = 0; // milliseconds since the epoch

    friend bool operator==(const FoundFile&, const FoundFile&) = default;
};

// The regular files "*.csv" (any case) in `folder`, with `recursive` also in its subfolders (links to folders are
// not followed), sorted by path. A link to a device or a FIFO is no file here. Names that are not UTF-8 are found
// too (see nativename).
std::vector<FoundFile> listCsvFiles(const QString& folder, bool recursive);

// Every "*.csv" below the archive folder (any depth), except those in the "deleted" folder, sorted by path.
std::vector<FoundFile> scan(const QString& root);

// The stamps of one file of the archive; nothing when it is not there.
std::optional<FoundFile> stat(const QString& root, const QString& relativePath);

// The facts of a file of the archive, from its facts file. A file without facts (put there by hand), or with facts
// that do not say, is dated by its modification time and numbered by its name.
DownloadFacts readFacts(const QString& root, const FoundFile& file);

// Reads a file of the archive and its facts file into a record. Nothing when the file cannot be read.
std::optional<ArchivedRecording> readRecording(const QString& root, const FoundFile& file);

} // namespace vimo::archivefiles
