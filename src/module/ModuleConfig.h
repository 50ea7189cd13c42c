#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vimo {

// The module's configuration record. On the wire it is one block of 28 bytes in field order, without padding,
// every 16-bit field big-endian. Fields the program does not interpret are kept and sent back as received.
struct ModuleConfig {
    static constexpr int kWireSize = 28;

    std::uint16_t signature = 0;
    std::uint16_t intervalTicks = 0; // sampling interval in multiples of baseInterval
    std::uint8_t units = 0;          // 0 feet, 1 yards, 2 meters
    std::uint8_t blankDisplay = 0;   // display option (meaning depends on moduleVersion)
    std::uint16_t baseInterval = 0;  // milliseconds: the smallest interval and the step of the milliseconds field
    std::uint16_t reserved1 = 0;
    std::uint16_t reserved2 = 0;
    std::uint8_t reverseTrigger = 0;
    std::uint8_t recordTrigger = 0;
    std::uint16_t startSeconds = 0; // F5J module: throttle cut-off time limit
    std::uint16_t stopSeconds = 0;  // F5J module: throttle re-enable delay
    std::uint16_t startAltitude = 0;
    std::uint16_t stopAltitude = 0; // F5J module: throttle cut-off altitude
    std::uint8_t autoStart = 0;
    std::uint8_t autoStop = 0;
    std::uint8_t autoZero = 0;
    std::uint8_t moduleVersion = 0;
    std::uint8_t memorySize = 0; // units of 8192 bytes (4096 samples)
    std::uint8_t reserved3 = 0;

    friend bool operator==(const ModuleConfig&, const ModuleConfig&) = default;
};

using ConfigRecord = std::array<std::uint8_t, ModuleConfig::kWireSize>;

// The wire form of the record.
ConfigRecord encodeConfig(const ModuleConfig& config);

// The record from its wire form; nothing unless exactly 28 bytes are given.
std::optional<ModuleConfig> decodeConfig(QByteArrayView bytes);

// The record's fields by name, in record order (signature, intervalTicks, units, ...), for listing and editing
// them as text.
constexpr int kConfigFieldCount = 19;
std::string_view configFieldName(int field);
int configFieldWidth(int field);            // 1 or 2 bytes
int findConfigField(std::string_view name); // -1 when no field has that name
unsigned configFieldValue(const ModuleConfig& config, int field);
// Stores `value` in the field; false (and nothing stored) when it does not fit the field's width.
bool setConfigField(ModuleConfig& config, int field, long long value);

} // namespace vimo
