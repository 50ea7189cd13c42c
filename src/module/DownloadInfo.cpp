#include "module/DownloadInfo.h"

#include "data/CFormat.h"
#include "module/ModuleProtocol.h"
#include "module/SetList.h"

namespace vimo {
namespace {

// One identity line into `text`; a line that did not end in time keeps what arrived. False on a time-out.
bool readIdentityLine(ModuleSession& session, int maxChars, QString& text)
{
    SerialLink& link = session.link;
    QByteArray buffer(maxChars + 1, '\0');
    const int n = link.readLine(buffer.data(), maxChars, session.timing.identityLineMs);
    text = QString::fromLatin1(buffer.constData(), link.receivedCount());
    return n > 0;
}

void simulate(ModuleSession& session)
{
    session.state.identity = {QStringLiteral("VIMO"), QStringLiteral("MOD1"), QStringLiteral("0.03"),
                              QStringLiteral("08-27-03")};
    session.config.signature = 0xABCD;
    session.config.intervalTicks = 4;
    session.config.units = 0;
    session.state.setCount = 0;
}

// Reads the identity; false when any of the four lines failed.
bool readIdentity(ModuleSession& session)
{
    ModuleIdentity& id = session.state.identity;
    session.sendCommand(protocol::kIdentity);
    bool complete = readIdentityLine(session, 256, id.deviceName);
    complete = readIdentityLine(session, 256, id.model) && complete;
    complete = readIdentityLine(session, 10, id.softwareVersion) && complete;
    complete = readIdentityLine(session, 20, id.softwareDate) && complete;
    return complete;
}

int readSetCount(ModuleSession& session)
{
    session.sendCommand(protocol::kSetList);
    SetListReader reader;
    char buffer[256 + 1];
    for (;;) {
        const int n = session.link.readLine(buffer, 256, session.timing.setLineMs);
        if (!reader.addLine(QByteArrayView(buffer, n)))
            break;
    }
    return reader.count();
}

} // namespace

std::optional<DownloadInfoResult> downloadInfo(ModuleSession& session, bool simulateTarget)
{
    ModuleReporter& reporter = session.reporter;
    reporter.clearMemo();
    DownloadInfoResult result;
    if (simulateTarget) {
        simulate(session);
    } else {
        if (!session.requireConnection(false))
            return std::nullopt;
        ExchangeScope scope(session);
        result.complete = readIdentity(session);
        if (!result.complete) {
            reporter.clearMemo();
            reporter.memoLine(QStringLiteral("No Reply from Target"));
        }
        session.state.setCount = readSetCount(session);
    }

    const ModuleIdentity& id = session.state.identity;
    result.setRows = setBoxRows(session.state.setCount);
    if (result.complete)
        reporter.clearMemo();
    reporter.memoLine(QStringLiteral("     Device Name: ") + id.deviceName);
    reporter.memoLine(QStringLiteral("           Model: ") + id.model);
    reporter.memoLine(QString());
    reporter.memoLine(QStringLiteral("Software Version: ") + id.softwareVersion);
    reporter.memoLine(QStringLiteral("   Software Date: ") + id.softwareDate);
    reporter.memoLine(QString());
    reporter.memoLine(QString());
    reporter.memoLine(QStringLiteral("Memory contains %1 data sets.")
                          .arg(QString::fromLatin1(cformat::integer(session.state.setCount))));
    result.selectedRow = 0;
    result.firmwareVersion = id.softwareVersion;
    result.interval = session.showRecordInterval();
    return result;
}

} // namespace vimo
