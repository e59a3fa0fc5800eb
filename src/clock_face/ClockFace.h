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
    std::array<float, 3> Angles{};
    FaceLayout layout;

    // The hint "Click <1> for setup", a one-line text box.
    tk::TextBox lblF1;
    tk::Timer Timer4;
    tk::Timer TimerSHOW;
    tk::ControlArray<tk::PictureBox> Pict;
    tk::PictureBox picTMP1;
    tk::ControlArray<tk::Shape> ShapeS;
    tk::ControlArray<tk::Line> LineS;
    tk::ControlArray<tk::Label> lblS;
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
