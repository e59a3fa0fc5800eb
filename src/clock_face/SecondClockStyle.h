#pragma once

#include "Platform.h"

#include <cstdint>
#include <optional>

// The second clock style: the circles, all of one size and without lines, over a built-in
// dial of the screen's size.
namespace SecondClockStyle {

inline constexpr float kFigureSize = 28;
inline constexpr float kCircleWidth = 980;

// The built-in dial for a screen `screenWidth` twips wide: 12000, 15360 or 19200 twips, the
// width of an 800, 1024 or 1280 pixel screen at 96 dots per inch. Any other width has none.
std::optional<tk::BuiltInPicture> dialFor(std::int32_t screenWidth);

} // namespace SecondClockStyle
