#pragma once

#include "PixelGeometry.h"

#include <vector>

namespace scene {

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
    // Whether the area holds a pixel of `rect`, by the rule of Qt's regions, which the face
    // painted by before this room existed: a rectangle of no width or no height still meets
    // the pixels along its edge, and one of neither meets nothing.
    bool intersects(const tk::PixelRect& rect) const;

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
