#pragma once

#include <cstdint>

namespace tk {

// The screen-saver modes the system runs in: the clock full screen ("/s", or no switch), the
// clock with its settings dialog over it ("/c"), and the preview of the system's settings
// ("/p"), which ends at once.
enum class RunMode { ScreenSaver, Configure, Preview };

// How the front end was asked to run the system, read from the command line before the system
// starts.
struct RunRequest {
    RunMode mode = RunMode::ScreenSaver;
    // The window that "/c:HWND" or "/p HWND" names, wide enough for any system's handle; 0 when
    // the command line names none.
    std::uint64_t windowHandle = 0;

    bool operator==(const RunRequest&) const = default;
};

} // namespace tk
