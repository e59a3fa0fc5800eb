#pragma once

#include <windows.h>

#include <vector>

// The top-level windows of the program's thread, as a modal dialog and the clock see them.
namespace ThreadWindows {

// The windows on the screen that take input now.
std::vector<HWND> shownAndEnabled();
// The last window on the screen of the window class; null when none is.
HWND lastShownOfClass(const wchar_t* className);

} // namespace ThreadWindows
