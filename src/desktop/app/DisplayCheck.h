#pragma once

#include <string>

// Whether there is a display to run on, asked before Qt starts: without one, Qt would abort
// the program with a message of several lines, where a screen saver says why in one.
class DisplayCheck {
public:
    // Makes `display`, when given, the X display Qt opens. False, with the reason, when the
    // windowing system that Qt would use cannot be reached.
    static bool prepare(const std::string& display, std::string& reason);

private:
    static bool reachX11(std::string& reason);
    static bool reachWayland(std::string& reason);
};
