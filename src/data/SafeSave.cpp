#include "data/SafeSave.h"

#include <QSaveFile>

namespace vimo {

SaveStatus saveBytes(const QString& path, const QByteArray& bytes, QString* reason)
{
    QSaveFile file(path);
    // Never fall back to writing the target in place: that is exactly what could leave it half written.
    file.setDirectWriteFallback(false);
    const bool saved = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (saved)
        return SaveStatus::Saved;
    // Without a commit the temporary file is removed and the target is left as it was.
    if (reason)
        *reason = file.errorString();
    return SaveStatus::Failed;
}

QString noDataSetMessage()
{
    return QStringLiteral("No data set is selected.");
}

QString unableToOpenMessage(const QString& path)
{
    return QStringLiteral("Unable to open %1!").arg(path);
}

} // namespace vimo
