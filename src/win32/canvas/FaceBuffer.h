#pragma once

#include "Area.h"
#include "FaceWalk.h"
#include "GdiCanvasCache.h"
#include "GdiPicture.h"

#include <windows.h>

#include <memory>

namespace tk {
class Window;
}

// The clock face's pixels off the screen: a memory device context over a DIB section of the
// face's size, in which the face is painted where it changed, and from which the window copies
// what it shows. The screen thus never sees a face half painted.
class FaceBuffer {
public:
    // `faceSize` is the screen the window is laid out for, in pixels.
    FaceBuffer(const tk::Window& window, tk::Units units, tk::PixelSize faceSize);
    ~FaceBuffer();
    FaceBuffer(const FaceBuffer&) = delete;
    FaceBuffer& operator=(const FaceBuffer&) = delete;

    // Whether the text boxes, such as the clock's setup hint, are painted.
    void setTextBoxesShown(bool shown) { m_walk.setTextBoxesShown(shown); }
    // Paints the part of the face inside `area`, and nothing outside it.
    void paint(const scene::Area& area);
    // Shows the face on a window's `dc` filling `face`, as far as the window's `rect` needs it:
    // copied pixel for pixel at its own size, else drawn whole and smoothed, the window's
    // clipping keeping the rest.
    void showIn(HDC dc, const RECT& rect, const RECT& face) const;
    tk::PixelSize size() const { return m_picture.size(); }

private:
    scene::FaceWalk m_walk;
    GdiCanvasCache m_cache;
    GdiPicture m_picture;
    HDC m_dc = nullptr;
    HGDIOBJ m_oldBitmap = nullptr;
};
