#pragma once

#include <cstdint>

namespace vimo {

// A colour as the model, the files and the settings keep it: 0x00BBGGRR, red in the low byte.
using Colour = std::uint32_t;

constexpr int colourRed(Colour c)
{
    return int(c & 0xFF);
}
constexpr int colourGreen(Colour c)
{
    return int((c >> 8) & 0xFF);
}
constexpr int colourBlue(Colour c)
{
    return int((c >> 16) & 0xFF);
}
constexpr Colour makeColour(int r, int g, int b)
{
    return Colour(r & 0xFF) | (Colour(g & 0xFF) << 8) | (Colour(b & 0xFF) << 16);
}

} // namespace vimo
