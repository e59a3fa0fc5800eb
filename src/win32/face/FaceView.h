#pragma once

#include "Area.h"
#include "FaceBuffer.h"
#include "FaceFit.h"
#include "FaceTimers.h"
#include "RepaintAreas.h"
#include "Units.h"

#include <windows.h>

#include <functional>
#include <memory>

class TickLoop;

namespace tk {
class Control;
class Window;
} // namespace tk

// The clock face as a window on the screen shows it: laid out for a screen of a given size,
// painted into its buffer where a change touched it, and shown in the window as a FaceFit
// places it, at its own size or scaled to fit. It also delivers the toolkit window's timers.
class FaceView {
public:
    // `eachSecond` runs at each tick of the wall clock's seconds.
    FaceView(tk::Window& window, HWND handle, TickLoop& ticks,
             std::function<void()> eachSecond = {});

    // Lays the face out anew for `units` and a screen of `layout` pixels, to be painted whole.
    void layOut(tk::Units units, tk::PixelSize layout, bool textBoxesShown);
    // Places the face in a window of `size` pixels.
    void fitInto(tk::PixelSize size);
    tk::PixelSize layoutSize() const { return m_fit.layout(); }

    // Repaints what a change of a control touched, or delivers a timer's new state.
    void controlChanged(tk::Control& control, const tk::Bounds& before);
    void repaintAll();
    // Answers the window's messages that paint the face or run its timers, leaving the answer in
    // `result`; false for any other message, and for a timer that is none of the face's.
    bool answers(UINT message, WPARAM wParam, LRESULT& result);

private:
    // Answers the window's WM_PAINT.
    void paint();
    void repaint(const scene::Area& area);
    // The window's pixels that the whole face fills.
    RECT placedFace() const;
    // Paints black what the face leaves uncovered of the window's `rect`.
    static void paintMargins(HDC dc, const RECT& rect, const RECT& face);

    tk::Window& m_window;
    HWND m_handle;
    FaceTimers m_timers;
    FaceFit m_fit;
    std::unique_ptr<FaceBuffer> m_buffer;
    std::unique_ptr<scene::RepaintAreas> m_repaintAreas;
    // What the buffer has yet to paint before it is shown.
    scene::Area m_dirty;
};
