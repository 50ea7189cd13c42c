#include "module/ModuleConfig.h"

#include <variant>

namespace vimo {
namespace {

using Member = std::variant<std::uint8_t ModuleConfig::*, std::uint16_t ModuleConfig::*>;

struct FieldInfo {
    std::string_view name;
    Member member;
};

// Record order is wire order: each field follows the previous one without padding.
const std::array<FieldInfo, kConfigFieldCount> kFields = {{
    {"signature", &ModuleConfig::signature},
    {"intervalTicks", &ModuleConfig::intervalTicks},
    {"units", &ModuleConfig::units},
    {"blankDisplay", &ModuleConfig::blankDisplay},
    {"baseInterval", &ModuleConfig::baseInterval},
    {"reserved1", &ModuleConfig::reserved1},
    {"reserved2", &ModuleConfig::reserved2},
    {"reverseTrigger", &ModuleConfig::reverseTrigger},
    {"recordTrigger", &ModuleConfig::recordTrigger},
    {"startSeconds", &ModuleConfig::startSeconds},
    {"stopSeconds", &ModuleConfig::stopSeconds},
    {"startAltitude", &ModuleConfig::startAltitude},
    {"stopAltitude", &ModuleConfig::stopAltitude},
    {"autoStart", &ModuleConfig::autoStart},
    {"autoStop", &ModuleConfig::autoStop},
    {"autoZero", &ModuleConfig::autoZero},
    {"moduleVersion", &ModuleConfig::moduleVersion},
    {"memorySize", &ModuleConfig::memorySize},
    {"reserved3", &ModuleConfig::reserved3},
}};

bool validField(int field)
{
    return field >= 0 && field < kConfigFieldCount;
}

} // namespace

std::string_view configFieldName(int field)
{
    return validField(field) ? kFields[std::size_t(field)].name : std::string_view();
}

int configFieldWidth(int field)
{
    if (!validField(field))
        return 0;
    return std::holds_alternative<std::uint8_t ModuleConfig::*>(kFields[std::size_t(field)].member) ? 1 : 2;
}

int findConfigField(std::string_view name)
{
    for (int i = 0; i < kConfigFieldCount; ++i) {
        if (kFields[std::size_t(i)].name == name)
            return i;
    }
    return -1;
}

unsigned configFieldValue(const ModuleConfig& config, int field)
{
    if (!validField(field))
        return 0;
    return std::visit([&](auto member) { return unsigned(config.*member); }, kFields[std::size_t(field)].member);
}

bool setConfigField(ModuleConfig& config, int field, long long value)
{
    const int width = configFieldWidth(field);
    if (width == 0 || value < 0 || value > (width == 1 ? 0xFF : 0xFFFF))
        return false;
    std::visit(
        [&](auto member) { config.*member = static_cast<std::remove_reference_t<decltype(config.*member)>>(value); },
        kFields[std::size_t(field)].member);
    return true;
}

ConfigRecord encodeConfig(const ModuleConfig& config)
{
    ConfigRecord out{};
    std::size_t pos = 0;
    for (int i = 0; i < kConfigFieldCount; ++i) {
        const unsigned value = configFieldValue(config, i);
        if (configFieldWidth(i) == 2)
            out[pos++] = std::uint8_t(value >> 8);
        out[pos++] = std::uint8_t(value);
    }
    return out;
}

std::optional<ModuleConfig> decodeConfig(QByteArrayView bytes)
{
    if (bytes.size() != ModuleConfig::kWireSize)
        return std::nullopt;
    ModuleConfig config;
    qsizetype pos = 0;
    for (int i = 0; i < kConfigFieldCount; ++i) {
        unsigned value = std::uint8_t(bytes[pos++]);
        if (configFieldWidth(i) == 2)
            value = (value << 8) | std::uint8_t(bytes[pos++]);
        setConfigField(config, i, value);
    }
    return config;
}

} // namespace vimo
