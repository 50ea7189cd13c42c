#include "module/ModuleSession.h"

#include "module/Configuration.h"

#include <QThread>

namespace vimo {

void sleepPause(int ms)
{
    if (ms > 0)
        QThread::msleep(ulong(ms));
}

ModuleSession::ModuleSession(SerialLink& l, ModuleReporter& r, Pause p) : link(l), reporter(r), pause(std::move(p))
{
    config.baseInterval = kDefaultBaseInterval;
}

bool ModuleSession::requireConnection(bool showPage)
{
    if (state.connected)
        return true;
    reporter.clearMemo();
    reporter.memoLine(QStringLiteral("Not Connected"));
    if (showPage)
        reporter.showConnectPage();
    return false;
}

void ModuleSession::sendCommand(char command)
{
    link.drain();
    sendRaw(command);
}

void ModuleSession::sendRaw(char byte)
{
    link.write(&byte, 1);
}

IntervalDisplay ModuleSession::showRecordInterval()
{
    return vimo::showRecordInterval(interval, config.baseInterval, config.memorySize);
}

QString unableToOpenPortText(const QString& reason)
{
    const QString text = QStringLiteral("Unable to open Serial Port");
    return reason.isEmpty() ? text : text + QStringLiteral("\n\n") + reason;
}

bool connectModule(ModuleSession& session, const QString& devicePath, qint32 baud)
{
    if (session.state.connected)
        disconnectModule(session);
    if (!session.link.open(devicePath, baud, 0)) {
        session.reporter.message(QStringLiteral("Error"), unableToOpenPortText(session.link.errorString()),
                                 MessageIcon::Warning);
        return false;
    }
    session.state.connected = true;
    session.reporter.status(StatusPanel::Connection, QStringLiteral("Connected"));
    readConfiguration(session);
    return true;
}

void disconnectModule(ModuleSession& session)
{
    session.link.close();
    session.state.connected = false;
    session.reporter.status(StatusPanel::Connection, QStringLiteral("Not Connected"));
}

} // namespace vimo
