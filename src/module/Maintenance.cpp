#include "module/Maintenance.h"

#include "data/CFormat.h"
#include "module/Configuration.h"
#include "module/ModuleProtocol.h"

namespace vimo {
namespace {

bool confirmed(ModuleSession& session, const char* question)
{
    return session.reporter.confirm(QString::fromLatin1(kConfirmCaption), QString::fromLatin1(question));
}

// Sends a configuration-changing command, waits for the module to apply it and shows the result.
void sendAndReread(ModuleSession& session, char command, int settleMs)
{
    session.sendCommand(command);
    session.pause(settleMs);
    readConfiguration(session);
}

} // namespace

bool eraseData(ModuleSession& session)
{
    return eraseDataAfter(session, QString());
}

bool eraseDataAfter(ModuleSession& session, const QString& before)
{
    if (!session.requireConnection(false))
        return false;
    const QString question = before.isEmpty() ? QString::fromLatin1(kEraseQuestion)
                                              : before + QLatin1String("\n\n") + QLatin1String(kEraseQuestion);
    if (!session.reporter.confirmNoByDefault(QString::fromLatin1(kConfirmCaption), question))
        return false;
    ExchangeScope scope(session);
    session.sendCommand(protocol::kErase);
    return true;
}

bool resetDefaults(ModuleSession& session)
{
    if (!session.requireConnection(true) || !confirmed(session, kResetDefaultsQuestion))
        return false;
    ExchangeScope scope(session);
    sendAndReread(session, protocol::kResetDefaults, session.timing.resetDefaultsSettleMs);
    return true;
}

std::optional<std::uint16_t> calibrationAltitude(const QString& text)
{
    const QByteArray bytes = text.left(255).toLatin1();
    std::int32_t value = 0;
    if (!cformat::parseInt(std::string_view(bytes.constData(), std::size_t(bytes.size())), value))
        return std::nullopt;
    return std::uint16_t(std::uint32_t(value) & 0xFFFF);
}

bool calibrate(ModuleSession& session, const QString& altitudeText)
{
    if (!session.requireConnection(true))
        return false;
    const std::optional<std::uint16_t> altitude = calibrationAltitude(altitudeText);
    if (!altitude) {
        session.reporter.memoLine(QStringLiteral("Calibration not sent: the altitude must be a whole number."));
        return false;
    }
    ExchangeScope scope(session);
    session.sendCommand(protocol::kCalibrate);
    session.pause(session.timing.calibrateSettleMs);
    session.sendRaw(protocol::kCalibrateValue);
    session.sendRaw(char(*altitude >> 8));
    session.pause(session.timing.calibrateByteMs);
    session.sendRaw(char(*altitude & 0xFF));
    session.pause(session.timing.calibrateByteMs);
    session.pause(session.timing.calibrateDoneMs);
    readConfiguration(session);
    return true;
}

bool resetModule(ModuleSession& session)
{
    if (!session.requireConnection(true))
        return false;
    ExchangeScope scope(session);
    sendAndReread(session, protocol::kResetModule, session.timing.resetModuleSettleMs);
    return true;
}

} // namespace vimo
