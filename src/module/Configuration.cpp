#include "module/Configuration.h"

#include "module/ModuleProtocol.h"

namespace vimo {

bool readConfiguration(ModuleSession& session)
{
    ExchangeScope scope(session);
    ModuleReporter& reporter = session.reporter;
    reporter.memoLine(QStringLiteral("Reading Configuration..."));
    session.sendCommand(protocol::kReadConfig);
    char reply[ModuleConfig::kWireSize + 1];
    const int got = session.link.readExact(reply, ModuleConfig::kWireSize, session.timing.configMs);
    const std::optional<ModuleConfig> config =
        got == ModuleConfig::kWireSize ? decodeConfig(QByteArrayView(reply, got)) : std::nullopt;
    if (!config) {
        reporter.memoLine(QStringLiteral("No reponse from device."));
        reporter.message(QStringLiteral("Error"), QStringLiteral("Unable to read configuration!"),
                         MessageIcon::Warning);
        return false;
    }
    session.config = *config;
    ++session.state.configReads;
    session.interval.setInterval(std::uint32_t(config->intervalTicks) * config->baseInterval);
    session.showRecordInterval();

    session.state.f5jModule = false;
    session.sendRaw(protocol::kVariant);
    char variant[2] = {0, 0};
    if (session.link.readExact(variant, 1, session.timing.variantMs) == 1)
        session.state.f5jModule = variant[0] != 0;

    reporter.memoLine(QStringLiteral("Configuration loaded."));
    return true;
}

bool readConfig(ModuleSession& session)
{
    return session.requireConnection(true) && readConfiguration(session);
}

bool writeConfiguration(ModuleSession& session, ConfigControls& controls)
{
    if (!session.requireConnection(true))
        return false;
    applyControls(controls, session.config, session.state.f5jModule, session.interval.recordInterval);
    sendConfiguration(session);
    return true;
}

void sendConfiguration(ModuleSession& session)
{
    ExchangeScope scope(session);
    const ConfigRecord record = encodeConfig(session.config);
    session.sendCommand(protocol::kWriteConfig);
    session.pause(session.timing.beforeConfigRecordMs);
    session.link.write(reinterpret_cast<const char*>(record.data()), int(record.size()));
}

} // namespace vimo
