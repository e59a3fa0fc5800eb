#pragma once

#include <string>

namespace tk {

// Sizes are points, each 20 twips.
// The sizes the font picker accepts, as the standard Windows font dialog does: whole points
// from 1 to 1638, with decimals between.
inline constexpr float kSmallestFontSize = 1;
inline constexpr float kLargestFontSize = 1638;

struct Font {
    std::string name = "MS Sans Serif";
    float size = 8.25f;
    bool bold = false;

    bool operator==(const Font&) const = default;
};

} // namespace tk
