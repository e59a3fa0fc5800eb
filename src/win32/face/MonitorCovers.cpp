#include "MonitorCovers.h"

#include "WindowClasses.h"

namespace {

constexpr const wchar_t* kClassName = WindowClasses::kCover;

} // namespace

MonitorCovers::MonitorCovers(HINSTANCE instance, HWND clock)
    : m_instance(instance)
    , m_clock(clock)
{
    WNDCLASSEXW type = {};
    type.cbSize = sizeof(type);
    type.lpfnWndProc = procedure;
    type.hInstance = instance;
    type.hbrBackground = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    type.lpszClassName = kClassName;
    ::RegisterClassExW(&type);
}

MonitorCovers::~MonitorCovers()
{
    clear();
}

void MonitorCovers::clear()
{
    for (const HWND cover : m_covers)
        ::DestroyWindow(cover);
    m_covers.clear();
}

void MonitorCovers::show()
{
    clear();
    ::EnumDisplayMonitors(nullptr, nullptr, addMonitor, reinterpret_cast<LPARAM>(this));
}

BOOL CALLBACK MonitorCovers::addMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM self)
{
    auto* covers = reinterpret_cast<MonitorCovers*>(self);
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (!::GetMonitorInfoW(monitor, &info) || (info.dwFlags & MONITORINFOF_PRIMARY))
        return TRUE;
    const RECT& area = info.rcMonitor;
    const HWND cover =
        ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClassName, L"", WS_POPUP, area.left,
                          area.top, area.right - area.left, area.bottom - area.top, nullptr,
                          nullptr, covers->m_instance, nullptr);
    if (!cover)
        return TRUE;
    ::SetWindowLongPtrW(cover, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(covers->m_clock));
    ::ShowWindow(cover, SW_SHOWNOACTIVATE);
    covers->m_covers.push_back(cover);
    return TRUE;
}

LRESULT CALLBACK MonitorCovers::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto clock = reinterpret_cast<HWND>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case WM_MOUSEMOVE:
    case WM_SETCURSOR:
        if (clock)
            return ::SendMessageW(clock, message, wParam, lParam);
        break;
    case WM_MOUSEACTIVATE:
        // A click keeps the keyboard with the clock.
        return MA_NOACTIVATE;
    case WM_CLOSE:
        return 0;
    default:
        break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}
