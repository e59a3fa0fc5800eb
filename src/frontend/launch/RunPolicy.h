#pragma once

#include "CommandLine.h"
#include "RunRequest.h"

#include <array>

// The ways the clock is shown, one presentation each.
enum class RunWay {
    // The screen saver's own way, "/s": full screen on the primary monitor, the others black.
    FullScreen,
    // "/c": the same, with the settings dialog over the clock.
    Configure,
    // Drawn in another program's window (--root, --window-id), such as XScreenSaver's.
    ForeignWindow,
    // Drawn in an ordinary window of its own (--window).
    OwnWindow,
    // Full screen in a Wayland session, where no client may place the pointer.
    WaylandFullScreen,
    // Drawn in the preview of the Windows screen-saver settings ("/p HWND").
    WindowsPreview,
};

// What a run may take of the machine and of its user, for one way of showing the clock.
struct RunPolicy {
    RunWay way;
    // Takes the single-instance lock, so that a second copy ends at once.
    bool takesLock;
    // Shows the clock window's own pointer over it, which hides the pointer in the
    // screen-saver mode; otherwise the pointer stays as its owner set it.
    bool hidesPointer;
    // May move the pointer, as the settings dialog does when it is made.
    bool movesPointer;
    // Shows the setup hint, which names a key that only a run taking input answers.
    bool showsHint;
    // Typed characters and mouse movement reach the clock window's rules.
    bool takesInput;
    // Shows the settings dialog when the command line asks for it.
    bool showsDialogs;
};

// A run embedded in another program's window leaves input, dialogs, the lock and the pointer to
// that program: moving the pointer would even count as the user's activity and end that
// program's screen saver.
// clang-format off
inline constexpr std::array<RunPolicy, 6> kRunPolicies{{
    // way                       lock   hides  moves  hint   input  dialogs
    {RunWay::FullScreen,         true,  true,  true,  true,  true,  true},
    {RunWay::Configure,          true,  true,  true,  true,  true,  true},
    {RunWay::ForeignWindow,      false, false, false, false, false, false},
    {RunWay::OwnWindow,          false, false, false, false, false, false},
    {RunWay::WaylandFullScreen,  true,  true,  false, true,  true,  true},
    {RunWay::WindowsPreview,     false, false, false, false, false, false},
}};
// clang-format on

// The systems a front end runs on, as far as the way of showing the clock depends on them.
enum class Desktop { X11, Wayland, Windows };

namespace RunPolicies {

// The policy of one way of showing the clock.
const RunPolicy& of(RunWay way);
// The way a command line asks for on `desktop`. Outside Windows "/p" has no preview to draw
// in, and runs full screen as far as the system, which then ends it at once.
RunWay wayFor(const CommandLine& commandLine, Desktop desktop);
// What the system is asked to do under `policy`: a way without dialogs runs the plain clock
// whatever the command line asked, and keeps the window it names.
tk::RunRequest requestFor(const CommandLine& commandLine, const RunPolicy& policy);

} // namespace RunPolicies
