#include "app/GuardedApplication.h"

#include "app/AppInfo.h"

#include <QIcon>
#include <QMessageBox>
#include <exception>

namespace vimo {

bool deliverGuarded(const std::function<bool()>& deliver, const std::function<void(const QString&)>& report)
{
    QString what;
    try {
        return deliver();
    } catch (const std::exception& e) {
        what = QString::fromLocal8Bit(e.what());
    } catch (...) {
        what = QStringLiteral("An unexpected error occurred.");
    }
    try {
        report(what);
    } catch (...) {
        // Reporting must not throw in turn; there is nothing more to do.
    }
    return false;
}

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QString::fromLatin1(appinfo::kName));
    setApplicationDisplayName(QString::fromLatin1(appinfo::kName));
    setOrganizationName(QString::fromLatin1(appinfo::kOrganisation));
    setApplicationVersion(appinfo::versionText());
    setDesktopFileName(QStringLiteral("vimo"));
    setWindowIcon(QIcon(QStringLiteral(":/vimo/icon-256.png")));
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    return deliverGuarded([&] { return QApplication::notify(receiver, event); }, showExceptionBox);
}

void showExceptionBox(const QString& what)
{
    QMessageBox::warning(QApplication::activeWindow(), QStringLiteral("Error"), what);
}

} // namespace vimo
