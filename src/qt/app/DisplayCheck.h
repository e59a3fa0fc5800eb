#pragma once

#include <string>

struct xcb_connection_t;

// Whether there is a display to run on, asked before Qt starts: without one, Qt would abort
// the program with a message of several lines, where a screen saver says why in one.
class DisplayCheck {
public:
    // The windowing system of the run: decided here once, for Qt and for the way the clock is
    // shown. Other is a system that the check does not know, which the user named.
    enum class Kind { None, X11, Wayland, Other };

    DisplayCheck() = default;
    ~DisplayCheck() { release(); }
    DisplayCheck(const DisplayCheck&) = delete;
    DisplayCheck& operator=(const DisplayCheck&) = delete;

    // Makes `display`, when given, the X display Qt opens, and chooses the windowing system
    // unless the user named one: in a Wayland session, where Qt has its plugin, Wayland when
    // its compositor answers and X11 otherwise, and X11 always for a clock drawn in another
    // program's X window. Of several systems named in QT_QPA_PLATFORM, apart by ";", the first
    // that answers. None, with the reason, when no system that Qt could use can be reached.
    Kind prepare(const std::string& display, bool inForeignWindow, std::string& reason);
    // The check keeps its connection to the X server until Qt has its own: an X server resets
    // when its last client leaves, and would drop a connection that Qt was making then.
    void release();

    // Why a run ends when Qt cannot connect to the display that the check reached: it went
    // away in between.
    static std::string lostReason();

private:
    static bool inWaylandSession();
    // The platforms to try, in turn.
    static std::string candidates(bool inForeignWindow);
    bool reachX11(std::string& reason);
    static bool reachWayland(std::string& reason);
    static std::string waylandName();

    xcb_connection_t* m_x11 = nullptr;
};
