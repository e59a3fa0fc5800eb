#pragma once

#include "Area.h"
#include "Bounds.h"
#include "FaceGeometry.h"
#include "PixelGeometry.h"

#include <unordered_map>

namespace tk {
class Control;
class Window;
} // namespace tk

namespace scene {

// Which pixels of the face a change of a control leaves to repaint: what it covered before
// and what it covers now, where nothing in front hides them. It remembers where each line was
// last seen, so that a moved line repaints only its old and new strokes rather than the
// rectangles around them.
class RepaintAreas {
public:
    RepaintAreas(const tk::Window& window, tk::Units units)
        : m_window(window)
        , m_geometry(units)
    {
    }

    // The area to repaint after `control` changed from covering `before` (twips).
    Area repaintArea(const tk::Control& control, const tk::Bounds& before);

private:
    Area changedArea(const tk::Control& control, const tk::Bounds& before);
    Area uncovered(const tk::Control& control, Area area) const;

    const tk::Window& m_window;
    FaceGeometry m_geometry;
    std::unordered_map<const tk::Control*, tk::PixelLineF> m_lines;
};

} // namespace scene
