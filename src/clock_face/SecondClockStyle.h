#pragma once

#include "Platform.h"

#include <cstdint>
#include <optional>

// The second clock style: the circles, all of one size and without lines, over a built-in
// dial of the screen's size.
class SecondClockStyle {
public:
    static constexpr float kFigureSize = 28;
    static constexpr float kCircleWidth = 980;

    // The built-in dial for a screen `screenWidth` twips wide: 12000, 15360 or 19200 twips, the
    // width of an 800, 1024 or 1280 pixel screen at 96 dots per inch. Any other width has none.
    static std::optional<tk::BuiltInPicture> dialFor(std::int32_t screenWidth);
};
