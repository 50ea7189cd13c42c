#include "logbook/ArchiveFolder.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace vimo {

QString archiveFolder(const QString& chosen)
{
    if (!chosen.isEmpty())
        return QDir::cleanPath(chosen);
    const QString environment = qEnvironmentVariable(kArchiveEnvironment);
    if (!environment.isEmpty())
        return QDir::cleanPath(environment);
    QSettings settings(QStringLiteral("Brennick"), QStringLiteral("Vimo"));
    const QString setting = settings.value(QStringLiteral("Settings/") + QLatin1String(kArchiveFolderKey)).toString();
    if (!setting.isEmpty())
        return QDir::cleanPath(setting);
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("flights"));
}

} // namespace vimo
