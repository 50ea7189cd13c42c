#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace vimo {

// The rules of the hidden module setup dialog, which edits moduleVersion and memorySize of the configuration
// record in memory (they reach the module with the next "Write Config").

// Items of the memory size list; item i stands for memorySize i + 1 (units of 8192 bytes).
inline constexpr std::array<const char*, 8> memorySizeItems = {
    "8192 (24LC64)", "16384 (24LC128)", "24576", "32768 (24LC256)", "40960", "49152", "57344", "65536 (24LC512)",
};

// The list item that shows `memorySize`; -1 (nothing selected) outside 1..8, as before any configuration was read.
int memorySizeItem(std::uint8_t memorySize);

// The memorySize an item stands for; nothing for an index that is not an item (a typed text that matches none),
// so the field keeps its value and the module is never sent 0.
std::optional<std::uint8_t> memorySizeForItem(int item);

// The version arrows: 8-bit, wrapping (255 up is 0, 0 down is 255).
constexpr std::uint8_t moduleVersionUp(std::uint8_t version)
{
    return std::uint8_t(version + 1);
}
constexpr std::uint8_t moduleVersionDown(std::uint8_t version)
{
    return std::uint8_t(version - 1);
}

} // namespace vimo
