#pragma once

#include <string>

// Whether there is a display to run on, asked before Qt starts: without one, Qt would abort
// the program with a message of several lines, where a screen saver says why in one.
class DisplayCheck {
public:
    // Makes `display`, when given, the X display Qt opens, and chooses the windowing system
    // unless the user named one: Wayland in a Wayland session, where Qt has its plugin, and
    // X11 otherwise and always for a clock drawn in another program's X window. False, with
    // the reason, when the windowing system that Qt would use cannot be reached.
    static bool prepare(const std::string& display, bool inForeignWindow, std::string& reason);

private:
    static bool inWaylandSession();
    static bool reachX11(std::string& reason);
    static bool reachWayland(std::string& reason);
};
