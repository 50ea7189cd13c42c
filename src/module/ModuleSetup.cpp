#include "module/ModuleSetup.h"

namespace vimo {

int memorySizeItem(std::uint8_t memorySize)
{
    return memorySize >= 1 && memorySize <= memorySizeItems.size() ? int(memorySize) - 1 : -1;
}

std::optional<std::uint8_t> memorySizeForItem(int item)
{
    if (item < 0 || item >= int(memorySizeItems.size()))
        return std::nullopt;
    return std::uint8_t(item + 1);
}

} // namespace vimo
