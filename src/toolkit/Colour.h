#pragma once

#include <cstdint>

namespace tk {

// Colours are packed as red + 256 * green + 65536 * blue, the form the settings file stores.
using Colour = std::int32_t;

constexpr Colour rgb(int red, int green, int blue)
{
    return red + 256 * green + 65536 * blue;
}

constexpr int redOf(Colour c)
{
    return c & 0xFF;
}
constexpr int greenOf(Colour c)
{
    return (c >> 8) & 0xFF;
}
constexpr int blueOf(Colour c)
{
    return (c >> 16) & 0xFF;
}

inline constexpr Colour kBlack = 0;
inline constexpr Colour kBlue = rgb(0, 0, 255);
inline constexpr Colour kWhite = rgb(255, 255, 255);

} // namespace tk
