// Plays Screen Saver Settings' little monitor for the screen saver's preview, under Wine:
//   PreviewHost STOP_FILE
// makes a window of 152 x 112 pixels, as that monitor is, and prints its handle on a line for
// "/p". When a child has come in the window and covers its client area, it prints "shown", and
// keeps the window until STOP_FILE exists; then it destroys the window and ends with 0. Else
// it prints what went wrong and ends with 1. Wine never shows the pixels of another process's
// child window, so they are not looked at.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr SIZE kMonitor{152, 112};
// How long the screen saver, started by the script with the handle, may take to show a child,
// and how long the script may take to tell the window to go.
constexpr DWORD kShowWait = 20'000;
constexpr DWORD kStopWait = 180'000;
// How often a wait looks again at what it waits for.
constexpr DWORD kPoll = 50;

// Runs this thread's messages, as the window's owner must while another process makes a child
// of it, until `done` holds or `wait` milliseconds have passed; whether `done` came.
template <typename Done> bool pumpUntil(DWORD wait, Done done)
{
    const ULONGLONG end = ::GetTickCount64() + wait;
    while (!done() && ::GetTickCount64() < end) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, kPoll, QS_ALLINPUT);
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageW(&message);
    }
    return done();
}

int failed(const char* what)
{
    std::printf("PreviewHost: %s\n", what);
    return 1;
}

bool coversMonitor(HWND window)
{
    RECT inside = {};
    return window && ::GetClientRect(window, &inside) && inside.right == kMonitor.cx &&
           inside.bottom == kMonitor.cy;
}

} // namespace

int main()
{
    int count = 0;
    LPWSTR* words = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!words || count != 2)
        return failed("usage: PreviewHost STOP_FILE");
    // A plain static control as a top-level window stands in for the monitor's picture.
    const HWND monitor =
        ::CreateWindowExW(0, L"STATIC", L"Preview host", WS_POPUP | WS_VISIBLE, 40, 40, kMonitor.cx,
                          kMonitor.cy, nullptr, nullptr, nullptr, nullptr);
    if (!coversMonitor(monitor))
        return failed("no window of 152 x 112 to preview in");
    std::puts(std::to_string(reinterpret_cast<ULONG_PTR>(monitor)).c_str());
    std::fflush(stdout);
    HWND child = nullptr;
    if (!pumpUntil(kShowWait, [&] {
            return (child = ::FindWindowExW(monitor, nullptr, nullptr, nullptr)) != nullptr;
        }))
        return failed("no preview came in the window");
    if (!coversMonitor(child))
        return failed("the preview does not cover the window's client area");
    std::puts("shown");
    std::fflush(stdout);
    if (!pumpUntil(kStopWait,
                   [&] { return ::GetFileAttributesW(words[1]) != INVALID_FILE_ATTRIBUTES; }))
        return failed("never told to destroy the window");
    ::DestroyWindow(monitor);
    return 0;
}
