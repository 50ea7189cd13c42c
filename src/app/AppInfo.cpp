#include "app/AppInfo.h"

#include "data/Plot.h"

#include "VimoVersion.h"

#include <QCoreApplication>
#include <QDir>

namespace vimo::appinfo {

QString webSite()
{
    return QString::fromLatin1(Plot::kFooter2);
}

QString versionText()
{
    return QStringLiteral(VIMO_VERSION_TEXT);
}

QString buildText()
{
    return QStringLiteral(__DATE__ ", " __TIME__);
}

QStringList manualPlaces()
{
    const QDir program(QCoreApplication::applicationDirPath());
    const QString file = QString::fromLatin1(kManualFile);
    QStringList places{program.filePath(file),
                       QDir::cleanPath(program.filePath(QStringLiteral("../share/vimo/") + file)),
                       QDir(QStringLiteral(VIMO_INSTALLED_DATA_DIR)).filePath(file)};
    places.removeDuplicates();
    return places;
}

} // namespace vimo::appinfo
