#include "app/ManualOpener.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

namespace vimo {

bool openManual(QWidget* parent, const QStringList& places)
{
    for (const QString& place : places) {
        if (QFileInfo(place).isFile()) {
            QDesktopServices::openUrl(QUrl::fromLocalFile(place));
            return true;
        }
    }
    QStringList looked;
    for (const QString& place : places)
        looked << QDir::toNativeSeparators(place);
    QMessageBox::warning(parent, QStringLiteral("Manual"),
                         QStringLiteral("The manual %1 was not found. Vimo looked for it here:\n\n%2\n\nReinstalling "
                                        "Vimo puts it back.")
                             .arg(QString::fromLatin1(appinfo::kManualFile), looked.join(QLatin1Char('\n'))));
    return false;
}

} // namespace vimo
