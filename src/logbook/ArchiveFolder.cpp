#include "logbook/ArchiveFolder.h"

#include <QDir>
#include <QFileInfo>
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

std::optional<QString> archiveFolderProblem(const QString& root)
{
    const QFileInfo info(root);
    if (!info.exists() || info.isDir())
        return std::nullopt;
    return QStringLiteral("The archive of flights should be in %1, but that is a file, not a folder. Choose another "
                          "folder for it: the %2 setting, the %3 environment variable, or vimo-cli's --archive DIR.")
        .arg(QDir::toNativeSeparators(root), QLatin1String(kArchiveFolderKey), QLatin1String(kArchiveEnvironment));
}

} // namespace vimo
