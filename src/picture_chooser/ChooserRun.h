#pragma once

#include "TextBox.h"
#include "Window.h"

class ClockFace;
class Module1;
struct SettingsValues;

namespace tk {
class Platform;
}

// The window that opens the picture chooser, as the chooser sees it: where it stands, whether
// it asks for a slide show, and the path field that takes the chooser's answer.
class ChooserCaller {
public:
    virtual ~ChooserCaller() = default;

    virtual const tk::Window& callerWindow() const = 0;
    virtual bool slideShowChosen() const = 0;
    virtual tk::TextBox& pathField() = 0;
    // Leaves no picture option selected, running no handler.
    virtual void unselectPictureOptions() = 0;
};

// The run as the picture chooser sees it: the platform, the settings and texts it reads and
// writes, the clock whose centre picture and slide show it changes, and the window that
// opened it. Each window is made on first use.
class ChooserRun {
public:
    virtual ~ChooserRun() = default;

    virtual tk::Platform& platform() = 0;
    virtual SettingsValues& settings() = 0;
    virtual Module1& module1() = 0;
    virtual ClockFace& clockFace() = 0;
    virtual ChooserCaller& chooserCaller() = 0;
};
