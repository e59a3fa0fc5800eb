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
    // No area: a rectangle with no width or no height, as a straight line's is.
    bool isEmpty() const { return width <= 0 || height <= 0; }
    // Not even a line: a rectangle with neither width nor height, as a control's is before
    // it is first placed.
    bool spansNothing() const { return width <= 0 && height <= 0; }
    bool operator==(const Bounds&) const = default;
};

} // namespace tk
