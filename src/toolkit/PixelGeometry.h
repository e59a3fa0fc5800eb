#pragma once

#include <algorithm>
#include <cmath>

namespace tk {

// Pixel geometry without any toolkit's types: whole pixels for areas and places, exact
// pixels for drawing. A rectangle holds its left and top edges and its size; it covers the
// pixels from `left` up to, but not including, `right()`.

struct PixelPoint {
    int x = 0;
    int y = 0;

    bool operator==(const PixelPoint&) const = default;
};

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

// A rectangle in whole pixels.
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    PixelRect() = default;
    constexpr PixelRect(int left, int top, int width, int height)
        : left(left)
        , top(top)
        , width(width)
        , height(height)
    {
    }
    constexpr PixelRect(PixelPoint topLeft, PixelSize size)
        : PixelRect(topLeft.x, topLeft.y, size.width, size.height)
    {
    }

    int right() const { return left + width; }
    int bottom() const { return top + height; }
    PixelPoint topLeft() const { return {left, top}; }
    PixelSize size() const { return {width, height}; }
    bool isEmpty() const { return width < 1 || height < 1; }
    // The pixels both rectangles cover; an empty rectangle when they share none.
    PixelRect intersected(const PixelRect& other) const
    {
        const int l = std::max(left, other.left);
        const int t = std::max(top, other.top);
        const int r = std::min(right(), other.right());
        const int b = std::min(bottom(), other.bottom());
        if (isEmpty() || other.isEmpty() || r <= l || b <= t)
            return {};
        return {l, t, r - l, b - t};
    }
    PixelRect translated(int dx, int dy) const { return {left + dx, top + dy, width, height}; }
    bool operator==(const PixelRect&) const = default;
};

struct PixelPointF {
    double x = 0;
    double y = 0;

    bool operator==(const PixelPointF&) const = default;
};

struct PixelSizeF {
    double width = 0;
    double height = 0;

    bool isEmpty() const { return width <= 0 || height <= 0; }
    bool operator==(const PixelSizeF&) const = default;
};

// A rectangle in exact pixels.
struct PixelRectF {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    double right() const { return left + width; }
    double bottom() const { return top + height; }
    PixelSizeF size() const { return {width, height}; }
    PixelPointF centre() const { return {left + width / 2, top + height / 2}; }
    // Moves the left and top edges by `dx1` and `dy1` and the right and bottom ones by `dx2`
    // and `dy2`. The two forms round differently in the last bit, each as Qt's does, so that
    // code moved from Qt draws the same pixels.
    PixelRectF adjusted(double dx1, double dy1, double dx2, double dy2) const
    {
        return {left + dx1, top + dy1, width + dx2 - dx1, height + dy2 - dy1};
    }
    void adjust(double dx1, double dy1, double dx2, double dy2)
    {
        left += dx1;
        top += dy1;
        width += dx2 - dx1;
        height += dy2 - dy1;
    }
    // The smallest rectangle of whole pixels that holds this one.
    PixelRect alignedRect() const
    {
        const int l = static_cast<int>(std::floor(left));
        const int r = static_cast<int>(std::ceil(left + width));
        const int t = static_cast<int>(std::floor(top));
        const int b = static_cast<int>(std::ceil(top + height));
        return {l, t, r - l, b - t};
    }
    bool operator==(const PixelRectF&) const = default;
};

// A straight line between two points in exact pixels.
struct PixelLineF {
    PixelPointF from;
    PixelPointF to;

    double dx() const { return to.x - from.x; }
    double dy() const { return to.y - from.y; }
    double length() const { return std::hypot(dx(), dy()); }
    // The point a fraction `t` of the way from `from` to `to`.
    PixelPointF pointAt(double t) const { return {from.x + dx() * t, from.y + dy() * t}; }
    bool operator==(const PixelLineF&) const = default;
};

} // namespace tk
