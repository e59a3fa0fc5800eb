#pragma once

#include "PixelGeometry.h"

#include <vector>

namespace scene {

// Whether two rectangles share a pixel, by the rule the face was always measured by (Qt's):
// a rectangle of negative size covers the pixels before its edge, one of no width or no
// height still meets a rectangle that lies across its edge, and one of neither meets nothing.
bool rectsMeet(const tk::PixelRect& a, const tk::PixelRect& b);

// A set of whole pixels held as a short list of rectangles, which may overlap: the areas of
// the face to repaint. A tick touches only a few small rectangles, so the list stays short and
// a plain list beats anything cleverer.
class Area {
public:
    Area() = default;
    Area(const tk::PixelRect& rect) { unite(rect); }

    const std::vector<tk::PixelRect>& rects() const { return m_rects; }
    bool isEmpty() const { return m_rects.empty(); }
    // The smallest rectangle holding every pixel of the area; an empty one for no pixels.
    tk::PixelRect boundingRect() const;
    bool contains(tk::PixelPoint point) const;
    // Whether the area holds a pixel of `rect`, by rectsMeet.
    bool intersects(const tk::PixelRect& rect) const;
    // The area's pixels as rectangles that do not overlap, in bands from the top: the rectangles
    // of a band share its top and height and stand left to right with a gap between each two,
    // and two bands that touch differ in their columns. It is the form in which Qt keeps a
    // region, so a toolkit takes it as it is instead of uniting the rectangles one by one.
    std::vector<tk::PixelRect> bands() const;

    void unite(const tk::PixelRect& rect);
    void unite(const Area& other);
    void subtract(const tk::PixelRect& rect);

    Area& operator+=(const tk::PixelRect& rect)
    {
        unite(rect);
        return *this;
    }
    Area& operator+=(const Area& other)
    {
        unite(other);
        return *this;
    }
    Area& operator-=(const tk::PixelRect& rect)
    {
        subtract(rect);
        return *this;
    }

private:
    std::vector<tk::PixelRect> m_rects;
};

} // namespace scene
