// Plays Screen Saver Settings' little monitor for the screen saver's preview, under Wine:
//   PreviewHost SCREENSAVER.scr
// makes a window of 152 x 112 pixels, as that monitor is, and starts the screen saver with
// "/p" and the window's handle. The preview must come as a child of the window that covers its
// client area, must leave a full-screen run free to start, and must end when the window is
// destroyed; "/p" with no window, or with a handle that is no window, must end at once. Ends
// with 0, or prints what went wrong and ends with 1. Wine never shows the pixels of another
// process's child window, so they are not looked at.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace {

constexpr SIZE kMonitor{152, 112};
// How long a copy of the screen saver may take to show a window or to end.
constexpr DWORD kShowWait = 10'000;
constexpr DWORD kEndWait = 5'000;
// How often a wait looks again at what it waits for.
constexpr DWORD kPoll = 50;
constexpr wchar_t kClassName[] = L"PreviewHostMonitor";
constexpr wchar_t kClockClass[] = L"TikoraClockFace";

struct Copy {
    PROCESS_INFORMATION process = {};
    bool started = false;

    ~Copy()
    {
        if (!started)
            return;
        if (::WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT)
            ::TerminateProcess(process.hProcess, 1);
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
};

bool start(Copy& copy, const std::wstring& program, const std::wstring& arguments)
{
    std::wstring line = L"\"" + program + L"\" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    copy.started = ::CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0,
                                    nullptr, nullptr, &startup, &copy.process) != FALSE;
    return copy.started;
}

// Runs this thread's messages, as the window's owner must while another process makes a child
// of it, until `done` holds or `wait` milliseconds have passed; whether `done` came.
template <typename Done> bool pumpUntil(DWORD wait, Done done)
{
    const ULONGLONG end = ::GetTickCount64() + wait;
    while (!done()) {
        const ULONGLONG now = ::GetTickCount64();
        if (now >= end)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, kPoll, QS_ALLINPUT);
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    return true;
}

bool ended(const Copy& copy, DWORD wait)
{
    return pumpUntil(
        wait, [&copy] { return ::WaitForSingleObject(copy.process.hProcess, 0) == WAIT_OBJECT_0; });
}

struct ClockSearch {
    DWORD process;
    bool found = false;
};

BOOL CALLBACK matchClock(HWND window, LPARAM state)
{
    auto* search = reinterpret_cast<ClockSearch*>(state);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    search->found = owner == search->process && std::wstring(name) == kClockClass;
    return !search->found;
}

int failed(const char* what)
{
    std::fprintf(stderr, "PreviewHost: %s\n", what);
    return 1;
}

HWND makeMonitor()
{
    WNDCLASSEXW type = {};
    type.cbSize = sizeof(type);
    type.lpfnWndProc = ::DefWindowProcW;
    type.hInstance = ::GetModuleHandleW(nullptr);
    type.lpszClassName = kClassName;
    type.hbrBackground = static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));
    ::RegisterClassExW(&type);
    return ::CreateWindowExW(0, kClassName, L"Preview host", WS_POPUP | WS_VISIBLE, 40, 40,
                             kMonitor.cx, kMonitor.cy, nullptr, nullptr, type.hInstance, nullptr);
}

// "/p" with nothing to draw in ends at once.
int checkWithoutWindow(const std::wstring& program)
{
    for (const wchar_t* arguments : {L"/p", L"/p 1234567"}) {
        Copy copy;
        if (!start(copy, program, arguments))
            return failed("the screen saver could not be started");
        if (!ended(copy, kEndWait))
            return failed("\"/p\" without a window still runs");
    }
    return 0;
}

int checkPreview(const std::wstring& program)
{
    const HWND monitor = makeMonitor();
    RECT own = {};
    if (!monitor || !::GetClientRect(monitor, &own) || own.right != kMonitor.cx ||
        own.bottom != kMonitor.cy)
        return failed("no window of 152 x 112 to preview in");
    Copy preview;
    if (!start(preview, program,
               L"/p " + std::to_wstring(reinterpret_cast<std::uintptr_t>(monitor))))
        return failed("the screen saver could not be started");
    HWND child = nullptr;
    if (!pumpUntil(kShowWait, [&] {
            return (child = ::FindWindowExW(monitor, nullptr, nullptr, nullptr)) != nullptr;
        }))
        return failed("no preview came in the window");
    RECT inside = {};
    ::GetClientRect(child, &inside);
    if (inside.right != kMonitor.cx || inside.bottom != kMonitor.cy)
        return failed("the preview does not cover the window's client area");
    Copy clock;
    if (!start(clock, program, L"/s"))
        return failed("the full-screen run could not be started");
    ClockSearch search{clock.process.dwProcessId};
    if (!pumpUntil(kShowWait, [&] {
            ::EnumWindows(matchClock, reinterpret_cast<LPARAM>(&search));
            return search.found;
        }))
        return failed("a full-screen run was refused while the preview ran");
    ::TerminateProcess(clock.process.hProcess, 0);
    if (::WaitForSingleObject(preview.process.hProcess, 0) != WAIT_TIMEOUT)
        return failed("the preview ended while its window stood");
    ::DestroyWindow(monitor);
    if (!ended(preview, kEndWait))
        return failed("the preview still runs after its window was destroyed");
    DWORD status = 1;
    ::GetExitCodeProcess(preview.process.hProcess, &status);
    if (status != 0)
        return failed("the preview did not end cleanly with its window");
    return 0;
}

} // namespace

int main()
{
    int count = 0;
    LPWSTR* words = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!words || count != 2)
        return failed("usage: PreviewHost SCREENSAVER.scr");
    const std::wstring program = words[1];
    ::LocalFree(words);
    if (const int status = checkWithoutWindow(program))
        return status;
    if (const int status = checkPreview(program))
        return status;
    std::puts("preview: in the window, beside a full-screen run, ended with the window: passed");
    return 0;
}
