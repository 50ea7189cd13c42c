#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;

namespace vimo {

// How a save ended.
enum class SaveStatus {
    Saved,     // the file holds the new content
    NoDataSet, // there was nothing to save (no data set selected); no file was touched
    Failed,    // the file could not be written; a file that was there before is unchanged
};

// Writes the bytes to a temporary file in the target's folder; every write, an fsync and the close are checked, and
// only then is the temporary file renamed over the target. A failed save leaves the file that was there untouched
// and no temporary file behind. The new file gets the old file's permissions (and owner, where the system allows),
// or those of any new file under the user's umask. A symbolic link to a file stays a link: the file it names is
// replaced. Refused, with nothing touched: a target that is no regular file (a device, a FIFO, a folder, also
// through a link) and a read-only file. On failure `reason` (when given) receives the system's explanation ("No
// space left on device", "Permission denied").
SaveStatus saveBytes(const QString& path, const QByteArray& bytes, QString* reason = nullptr);

// saveBytes() for content that `write` puts into a device; `write` answers false, with its own reason in `error`,
// when it cannot produce the content (then no file is touched).
SaveStatus saveWith(const QString& path, const std::function<bool(QIODevice& out, QString& error)>& write,
                    QString* reason = nullptr);

// The reason given when a command that acts on the selected data set finds none selected.
QString noDataSetMessage();

// The message box text for a file that cannot be opened for writing or reading.
QString unableToOpenMessage(const QString& path);

// The same text followed by the system's reason on its own paragraph, when there is one.
QString unableToOpenMessage(const QString& path, const QString& reason);

} // namespace vimo
