#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace vimo {

// The module's program memory as a HEX file describes it: the code space below the boot loader, addresses 0 to
// kSize - 1. Bytes that no record writes stay 0x00; highestAddress is the highest address any data record wrote,
// empty while nothing has been written. Programming sends addresses 0 to highestAddress.
struct FirmwareImage {
    static constexpr int kSize = 7616; // 0x1DC0

    std::array<std::uint8_t, kSize> bytes{};
    std::optional<std::uint16_t> highestAddress;

    // Back to the state before a load: every byte 0x00, nothing written.
    void reset();

    // Stores `count` bytes from `address` on; false (and nothing stored) when they would reach beyond the code
    // space. A later write overwrites an earlier one at the same address.
    bool store(int address, const std::uint8_t* data, int count);
};

} // namespace vimo
