#include "firmware/FirmwareImage.h"

#include <algorithm>

namespace vimo {

void FirmwareImage::reset()
{
    bytes.fill(0);
    highestAddress.reset();
}

bool FirmwareImage::store(int address, const std::uint8_t* data, int count)
{
    if (address < 0 || count < 0 || address + count > kSize)
        return false;
    if (count == 0)
        return true;
    std::copy(data, data + count, bytes.begin() + address);
    const auto last = static_cast<std::uint16_t>(address + count - 1);
    if (!highestAddress || *highestAddress < last)
        highestAddress = last;
    return true;
}

} // namespace vimo
