#include "app/StartFiles.h"

#include "app/MainWindow.h"
#include "app/pages/DataPage.h"
#include "app/session/DataFileActions.h"
#include "app/session/PlotSession.h"

#include <QTimer>

namespace vimo {

void openStartFiles(MainWindow& window, const QStringList& files)
{
    if (files.isEmpty() || window.session().exchangeRunning())
        return;
    if (window.session().files().loadFiles(files) == 0)
        return;
    auto* dataPage = window.findChild<DataPage*>();
    // The greeting shows the About page for a few seconds and then the Connect / Download page: the loaded flights
    // come forward after it (this connection runs after the window's own).
    auto* greeting = window.findChild<QTimer*>(QStringLiteral("Timer3"));
    if (!greeting || !greeting->isActive()) {
        window.showPage(dataPage);
        return;
    }
    QObject::connect(
        greeting, &QTimer::timeout, &window, [&window, dataPage] { window.showPage(dataPage); },
        Qt::SingleShotConnection);
}

} // namespace vimo
