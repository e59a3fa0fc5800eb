#pragma once

#include "PixelGeometry.h"

// How a face laid out for one screen size stands in a window of another: scaled to fit and
// centred. The window it is given may be far smaller than any screen (a preview), so the face is
// laid out for a screen at least as big as the smallest the clock knows, 800 x 600 pixels, with
// the window's own proportions, and then drawn scaled down into it.
class FaceFit {
public:
    static constexpr tk::PixelSize kSmallestLayout{800, 600};
    // A window of the clock's own starts at this size.
    static constexpr tk::PixelSize kOwnWindowSize{800, 600};

    // From the face's pixels to the window's: scaled, then moved.
    struct Placement {
        double scale = 1;
        double x = 0;
        double y = 0;
    };

    // The largest size the face is laid out for, or a window drawn in, given the largest
    // screen's size.
    static tk::PixelSize largestFor(tk::PixelSize largestScreen)
    {
        return largestScreen.expandedTo(kSmallestLayout);
    }
    // The screen to lay the face out for, given the window's size when the run starts.
    static tk::PixelSize layoutFor(tk::PixelSize window, tk::PixelSize largestScreen);

    explicit FaceFit(tk::PixelSize layout = {})
        : m_layout(layout)
    {
    }

    tk::PixelSize layout() const { return m_layout; }
    // Fits the face into a window of `size`: as large as fits whole, centred.
    void fitInto(tk::PixelSize size);
    const Placement& placement() const { return m_placement; }
    // The window's pixels that the face's `area` touches.
    tk::PixelRect toWindow(const tk::PixelRect& area) const;
    // The face's pixels under the window's `area`.
    tk::PixelRect toFace(const tk::PixelRect& area) const;

private:
    tk::PixelSize m_layout;
    Placement m_placement;
};
