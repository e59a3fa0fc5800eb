#pragma once

#include <algorithm>

namespace tk {

// A rectangle in twips.
struct Bounds {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;

    float right() const { return left + width; }
    float bottom() const { return top + height; }
    bool isEmpty() const { return width <= 0 && height <= 0; }
    bool operator==(const Bounds&) const = default;
};

} // namespace tk
