#pragma once

#include <cstdint>

// The second clock style: the circles, all of one size and without lines, over a built-in
// dial of the screen's size.
class SecondClockStyle {
public:
    static constexpr float kFigureSize = 28;
    static constexpr float kCircleWidth = 980;

    // The index of the clock window's picture box that holds the dial for a screen `width`
    // twips wide (800, 1024 or 1280 pixels), or 0 when there is no such dial.
    static int dialFor(std::int32_t screenWidth);
};
