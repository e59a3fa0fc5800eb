#pragma once

#include "Area.h"
#include "Bounds.h"
#include "PixelGeometry.h"
#include "Units.h"

namespace tk {
class Control;
class Line;
} // namespace tk

namespace scene {

// Where the face's controls stand in pixels and which pixels each may touch when painted:
// what the painting walk and the repaint rules both measure by.
class FaceGeometry {
public:
    explicit FaceGeometry(tk::Units units)
        : m_units(units)
    {
    }

    tk::Units units() const { return m_units; }
    // Exact pixels, for drawing.
    tk::PixelRectF toPixels(const tk::Bounds& bounds) const;
    // The pixels that a control drawn at `bounds` (twips) may touch, with room for its pen and
    // for antialiasing.
    tk::PixelRect paintedArea(const tk::Control& control, const tk::Bounds& bounds) const;
    // The line that a line control draws, in pixels.
    tk::PixelLineF pixelLine(const tk::Line& line) const;
    // The pixels that a line between two points (pixels) may touch: a chain of small squares
    // along it, far less than the rectangle around a slanting line.
    static Area lineArea(const tk::PixelLineF& line, int penWidth);
    // Whether a light-weight control may touch a pixel of the area: a slanting line reaches
    // far fewer rectangles than the one around it.
    bool reaches(const tk::Control& control, const Area& area) const;

private:
    tk::Units m_units;
};

} // namespace scene
