#pragma once

#include <algorithm>

namespace tk {

// A size in whole pixels, such as a screen's or a window's.
struct PixelSize {
    int width = 0;
    int height = 0;

    // A size without an area, as a window not yet measured has.
    constexpr bool isEmpty() const { return width <= 0 || height <= 0; }
    // The larger width and the larger height of the two sizes.
    constexpr PixelSize expandedTo(PixelSize other) const
    {
        return {std::max(width, other.width), std::max(height, other.height)};
    }
    // The smaller width and the smaller height of the two sizes.
    constexpr PixelSize boundedTo(PixelSize other) const
    {
        return {std::min(width, other.width), std::min(height, other.height)};
    }
    bool operator==(const PixelSize&) const = default;
};

} // namespace tk
