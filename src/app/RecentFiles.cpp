#include "app/RecentFiles.h"

#include <QDir>
#include <QFileInfo>

namespace vimo {

QStringList withRecentFile(QStringList files, const QString& path)
{
    if (path.isEmpty())
        return files;
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    files.removeAll(absolute);
    files.prepend(absolute);
    while (files.size() > kMaxRecentFiles)
        files.removeLast();
    return files;
}

} // namespace vimo
