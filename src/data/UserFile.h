#pragma once

#include <QByteArray>
#include <QString>

namespace vimo {

// Reads a file that the user named, whole. Anything that is not a regular file (a FIFO, a device such as
// /dev/zero, a folder) is refused without blocking and without reading, and so is a file larger than `maxBytes`
// (no limit when negative). Returns false with the reason when the file cannot be read.
bool readUserFile(const QString& path, qint64 maxBytes, QByteArray& bytes, QString& reason);

// The reason given for a name that is not a regular file (a FIFO, a device, a folder).
QString notRegularFileReason();

} // namespace vimo
