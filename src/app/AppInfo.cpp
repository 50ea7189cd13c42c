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

QString manualPath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(kManualFile));
}

} // namespace vimo::appinfo
