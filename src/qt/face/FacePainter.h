#pragma once

#include "FaceWalk.h"
#include "QtCanvasCache.h"
#include "ScreenUnits.h"

#include <QRegion>
#include <QSize>

class QPainter;

namespace tk {
class Window;
}

// Paints a full-screen toolkit window with QPainter: the scene's painting walk over a canvas
// on the painter, whose sprites and fonts it keeps from one paint to the next.
class FacePainter {
public:
    // `faceSize` is the screen the window is laid out for, in pixels.
    FacePainter(const tk::Window& window, const ScreenUnits& units, QSize faceSize);

    // Paints every pixel of the window inside `area` (pixels). A control that reaches the area
    // is drawn whole: the painter comes clipped to what may change, a paint event's region or
    // a rectangle around the area whose pixels beyond it are never shown.
    void paint(QPainter& painter, const QRegion& area);
    // Whether the text boxes, such as the clock's setup hint, are painted.
    void setTextBoxesShown(bool shown) { m_walk.setTextBoxesShown(shown); }

    const ScreenUnits& units() const { return m_units; }

private:
    const ScreenUnits& m_units;
    scene::FaceWalk m_walk;
    QtCanvasCache m_cache;
};
