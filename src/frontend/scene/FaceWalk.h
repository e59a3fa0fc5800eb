#pragma once

#include "Area.h"
#include "Canvas.h"
#include "FaceGeometry.h"
#include "PixelGeometry.h"
#include "ShapeLook.h"

#include <unordered_map>

namespace tk {
class Control;
class Label;
class Line;
class PictureBox;
class TextBox;
class Window;
} // namespace tk

namespace scene {

// Paints a full-screen toolkit window from its elements over a canvas: the back colour, the
// window's picture, the light-weight controls from the back to the front, then the picture
// boxes and the text boxes, which stand above them. Only what reaches the area is painted.
class FaceWalk {
public:
    // `faceSize` is the screen the window is laid out for, in pixels.
    FaceWalk(const tk::Window& window, tk::Units units, tk::PixelSize faceSize)
        : m_window(window)
        , m_geometry(units)
        , m_faceSize(faceSize)
    {
    }

    // Paints every pixel of the window inside `area` (pixels) afresh. A control that reaches
    // the area is drawn whole: the canvas comes clipped by its owner, who keeps every pixel that
    // must not change, with a paint event's region or a rectangle whose pixels beyond the area
    // are never shown.
    void paint(Canvas& canvas, const Area& area);
    // Whether the text boxes, such as the clock's setup hint, are painted.
    void setTextBoxesShown(bool shown) { m_textBoxesShown = shown; }

private:
    void paintBack(Canvas& canvas, const Area& area);
    void paintWindowPicture(Canvas& canvas, const tk::PixelRect& band);
    void paintLightweight(Canvas& canvas, const tk::Control& control);
    void paintShape(Canvas& canvas, const tk::Control& control);
    void paintLine(Canvas& canvas, const tk::Line& line);
    void paintLabel(Canvas& canvas, const tk::Label& label);
    void paintPictureBox(Canvas& canvas, const tk::PictureBox& box);
    void paintTextBox(Canvas& canvas, const tk::TextBox& box);
    void paintCaption(Canvas& canvas, const tk::Control& control, const tk::PixelRectF& box,
                      int flags);

    const tk::Window& m_window;
    FaceGeometry m_geometry;
    tk::PixelSize m_faceSize;
    bool m_textBoxesShown = true;
    // The look each shape's sprite was last drawn for.
    std::unordered_map<const tk::Control*, ShapeLook> m_spriteLooks;
};

} // namespace scene
