#pragma once

#include <QString>
#include <QStringList>

namespace vimo {

// How many data files File > Recent Files lists.
inline constexpr int kMaxRecentFiles = 8;

// `files` with `path` (made absolute) in front: a path already listed moves to the front, the list keeps at most
// kMaxRecentFiles entries.
QStringList withRecentFile(QStringList files, const QString& path);

} // namespace vimo
