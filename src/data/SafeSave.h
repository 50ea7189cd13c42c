#pragma once

#include <QByteArray>
#include <QString>

namespace vimo {

// How a save ended.
enum class SaveStatus {
    Saved,     // the file holds the new content
    NoDataSet, // there was nothing to save (no data set selected); no file was touched
    Failed,    // the file could not be written; a file that was there before is unchanged
};

// Writes the bytes to a temporary file in the target's folder and renames it over the target only when every byte
// was written, so a failed save never damages the file that was there. On failure `reason` (when given) receives
// the system's explanation.
SaveStatus saveBytes(const QString& path, const QByteArray& bytes, QString* reason = nullptr);

// The reason given when a command that acts on the selected data set finds none selected.
QString noDataSetMessage();

// The message box text for a file that cannot be opened for writing or reading.
QString unableToOpenMessage(const QString& path);

} // namespace vimo
