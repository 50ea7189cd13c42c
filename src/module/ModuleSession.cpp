#include "module/ModuleSession.h"

#include "link/OpenError.h"
#include "module/Configuration.h"

namespace vimo {

ModuleSession::ModuleSession(SerialLink& l, ModuleReporter& r, Pause p, const Timing& t)
    : link(l), reporter(r), pause(std::move(p)), timing(t)
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

void ModuleSession::noteLostPort()
{
    if (!link.portLost() || !state.connected)
        return;
    state.connected = false;
    reporter.memoLine(portLostMessage(link.path()));
    reporter.status(StatusPanel::Connection, QStringLiteral("Not Connected"));
}

bool connectModule(ModuleSession& session, const QString& devicePath, qint32 baud, bool readConfig)
{
    if (session.state.connected)
        disconnectModule(session);
    const QString caption = QStringLiteral("Error");
    if (devicePath.isEmpty()) {
        session.reporter.message(caption, noPortSelectedText(), MessageIcon::Warning);
        return false;
    }
    if (!session.link.open(devicePath, baud, 0)) {
        session.reporter.message(caption, openFailureMessage(session.link.openError()), MessageIcon::Warning);
        return false;
    }
    session.state.connected = true;
    session.reporter.status(StatusPanel::Connection, QStringLiteral("Connected"));
    if (readConfig)
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
