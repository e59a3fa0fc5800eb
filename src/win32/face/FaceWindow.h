#pragma once

#include "PixelGeometry.h"
#include "Units.h"
#include "Window.h"

#include <windows.h>

// A window on the screen that shows the toolkit's clock window: the clock itself, full screen,
// or its preview in another program's window. The run asks it what the face is laid out for.
class FaceWindow : public tk::Window::Observer {
public:
    virtual HWND handle() const = 0;
    virtual tk::Window& toolkitWindow() const = 0;
    // The units of the monitor the window stands on.
    virtual tk::Units units() const = 0;
    // The screen the face is laid out for, in pixels.
    virtual tk::PixelSize layoutSize() const = 0;
};
