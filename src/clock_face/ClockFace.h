#pragma once

#include "CommonDialog.h"
#include "ControlArray.h"
#include "FaceLayout.h"
#include "Label.h"
#include "Line.h"
#include "PictureBox.h"
#include "Shape.h"
#include "TextBox.h"
#include "Timer.h"
#include "Window.h"

#include <array>
#include <cstdint>

namespace tk {
class Platform;
}

// The clock window as the dialogs change it: its elements, made in this order, the layout its
// circles follow, and the routines that lay it out again. The clock window implements them.
class ClockFace : public tk::Window {
public:
    ClockFace(std::string name, tk::Platform& platform);

    // Screen and centre, in twips. These are 32-bit so that wide screens fit.
    std::int32_t ScreenHeight = 0;
    std::int32_t ScreenWidth = 0;
    std::int32_t CentreTop = 0;
    std::int32_t CentreLeft = 0;
    std::int32_t CentreHalf = 0;
    // The directions of the seconds, minutes and hours (indexes 0 to 2), in radians on the
    // screen: 0 points to 3 o'clock, and growing angles turn clockwise.
    std::array<float, 3> Angles{};
    FaceLayout layout;

    // The hint "Click <1> for setup", a one-line text box.
    tk::TextBox lblF1;
    // The clock's tick, once a second on the second.
    tk::Timer Timer4;
    // The slide show's timer, which turns to the next slide.
    tk::Timer TimerSHOW;
    // The picture boxes: 0 the centre picture, 1 to 3 the hidden dials of the second style.
    tk::ControlArray<tk::PictureBox> Pict;
    // A hidden box that keeps the centre picture chosen at start-up.
    tk::PictureBox picTMP1;
    // The circles: 0 the template the others are copied from, 1 the centre circle, then the
    // seconds (2), minutes (3) and hours (4) circles.
    tk::ControlArray<tk::Shape> ShapeS;
    // The hands' lines from the centre: 0 seconds, 1 minutes, 2 hours.
    tk::ControlArray<tk::Line> LineS;
    // The figures in the circles: 0 seconds, 1 minutes, 2 hours.
    tk::ControlArray<tk::Label> lblS;
    // The colour and font picker that the settings dialog opens.
    tk::CommonDialog ComDial;

    // Sizes the circles and figures for the chosen circle style.
    virtual void RazmerKrugov() = 0;
    // Moves the lines, circles and figures to the current angles.
    virtual void Do_Lines() = 0;
    // Lays the circles over the built-in dial of the screen's size, without lines.
    virtual void DoClock2() = 0;
    // Puts the background picture behind the clock, or takes it away.
    virtual void DoBackGround() = 0;
    // Lists the slide folder's GIF files and starts the slide timer.
    virtual void StartSlideShow() = 0;
};
