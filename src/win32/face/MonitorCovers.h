#pragma once

#include <windows.h>

#include <vector>

// A black topmost window on every monitor but the primary one, which the clock covers. Input
// over a cover goes to the clock window, as if it had been over the clock.
class MonitorCovers {
public:
    MonitorCovers(HINSTANCE instance, HWND clock);
    ~MonitorCovers();
    MonitorCovers(const MonitorCovers&) = delete;
    MonitorCovers& operator=(const MonitorCovers&) = delete;

    // Covers the monitors as they are now, and brings the covers to the front.
    void show();

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static BOOL CALLBACK addMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM self);
    void clear();

    HINSTANCE m_instance;
    HWND m_clock;
    std::vector<HWND> m_covers;
};
