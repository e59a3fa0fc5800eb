#include "ClockWindow.h"

#include "FormWindow.h"

#include "TickSchedule.h"
#include "Timer.h"
#include "WideText.h"

#include <shellscalingapi.h>

namespace {

constexpr wchar_t kClassName[] = L"TikoraClockFace";
// The character Delete types, which is no character a user meant.
constexpr WPARAM kDelete = 0x7F;
// FILETIME counts 100-nanosecond steps.
constexpr std::int64_t kStepsPerMillisecond = 10'000;

// Milliseconds from now until shortly after the next whole second of the wall clock.
UINT delayToNextSecond()
{
    FILETIME now;
    ::GetSystemTimePreciseAsFileTime(&now);
    const std::int64_t steps =
        (static_cast<std::int64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    return static_cast<UINT>(TickSchedule::delayToNextSecond(steps / kStepsPerMillisecond));
}

UINT_PTR timerId(std::size_t slot)
{
    return slot + 1;
}

} // namespace

ClockWindow::ClockWindow(HINSTANCE instance, tk::Window& window, const RunPolicy& policy)
    : m_instance(instance)
    , m_window(window)
    , m_policy(policy)
    , m_units(primaryUnits())
{
    WNDCLASSEXW type = {};
    type.cbSize = sizeof(type);
    type.lpfnWndProc = procedure;
    type.hInstance = instance;
    type.lpszClassName = kClassName;
    ::RegisterClassExW(&type);
    const RECT area = primaryMonitor();
    m_handle = ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_APPWINDOW, kClassName,
                                 os::wideText::fromUtf8(m_window.caption()).c_str(), WS_POPUP,
                                 area.left, area.top, area.right - area.left,
                                 area.bottom - area.top, nullptr, nullptr, instance, this);
    if (m_handle)
        m_units = tk::Units::forDotsPerInch(::GetDpiForWindow(m_handle));
    m_covers = std::make_unique<MonitorCovers>(instance, m_handle);
    layOut();
    m_window.setObserver(this);
    for (tk::Control* control : m_window.controls()) {
        if (control->kind() == tk::ControlKind::Timer)
            controlChanged(*control, control->bounds());
    }
}

// The toolkit window may be gone already when the process winds down, so it is not touched.
ClockWindow::~ClockWindow()
{
    if (m_handle) {
        ::SetWindowLongPtrW(m_handle, GWLP_USERDATA, 0);
        ::DestroyWindow(m_handle);
    }
}

RECT ClockWindow::primaryMonitor()
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    ::GetMonitorInfoW(::MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
    return info.rcMonitor;
}

tk::Units ClockWindow::primaryUnits()
{
    UINT x = 0;
    UINT y = 0;
    const HMONITOR primary = ::MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY);
    if (FAILED(::GetDpiForMonitor(primary, MDT_EFFECTIVE_DPI, &x, &y)) || x == 0)
        return tk::Units();
    return tk::Units::forDotsPerInch(x);
}

void ClockWindow::layOut()
{
    const RECT area = primaryMonitor();
    m_buffer = std::make_unique<FaceBuffer>(
        m_window, m_units, tk::PixelSize{area.right - area.left, area.bottom - area.top});
    m_buffer->setTextBoxesShown(m_policy.showsHint);
    m_repaintAreas = std::make_unique<scene::RepaintAreas>(m_window, m_units);
    m_dirty = tk::PixelRect({0, 0}, m_buffer->size());
}

LRESULT CALLBACK ClockWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<ClockWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || !self->m_handle)
        return ::DefWindowProcW(window, message, wParam, lParam);
    return self->handle(message, wParam, lParam);
}

LRESULT ClockWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_TIMER:
        tick(wParam);
        return 0;
    case WM_CHAR:
        if (m_policy.takesInput && wParam != kDelete)
            m_window.Form_KeyPress(static_cast<int>(wParam));
        return 0;
    case WM_MOUSEMOVE:
        pointerMoved();
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && setPointer())
            return TRUE;
        break;
    case WM_DPICHANGED:
        dotsPerInchChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_SYSCOMMAND:
        // A running screen saver is not started again.
        if ((wParam & 0xFFF0) == SC_SCREENSAVE)
            return 0;
        break;
    case WM_CLOSE:
        // The run ends only by the clock's own rules, each of which ends the process at once.
        return 0;
    default:
        break;
    }
    return ::DefWindowProcW(m_handle, message, wParam, lParam);
}

void ClockWindow::paint()
{
    if (!m_dirty.isEmpty()) {
        m_buffer->paint(m_dirty);
        m_dirty = {};
    }
    PAINTSTRUCT paint;
    const HDC dc = ::BeginPaint(m_handle, &paint);
    m_buffer->copyTo(dc, paint.rcPaint);
    ::EndPaint(m_handle, &paint);
}

void ClockWindow::tick(UINT_PTR id)
{
    const std::size_t slot = id - 1;
    if (slot >= m_timers.size())
        return;
    TimerSlot& timer = m_timers[slot];
    // The next tick is booked before this one runs, so that a tick that stops the timer
    // cancels it again.
    if (timer.aligned && timer.timer->isRunning())
        armAlignedTimer(slot);
    timer.timer->fire();
}

void ClockWindow::pointerMoved()
{
    POINT now;
    if (!::GetCursorPos(&now))
        return;
    // The first report only says where the pointer stands: Windows sends one as the window
    // comes up under it, and a position read before (Wine's) may be out of date.
    const bool first = !m_pointer;
    if (!first && m_pointer->x == now.x && m_pointer->y == now.y)
        return;
    m_pointer = now;
    if (first)
        return;
    if (m_policy.takesInput)
        m_window.Form_MouseMove();
}

bool ClockWindow::setPointer()
{
    const tk::MousePointer pointer =
        m_policy.hidesPointer ? m_window.mousePointer() : tk::MousePointer::Default;
    switch (pointer) {
    case tk::MousePointer::Custom:
        ::SetCursor(nullptr);
        return true;
    case tk::MousePointer::Crosshair:
        ::SetCursor(::LoadCursorW(nullptr, IDC_CROSS));
        return true;
    case tk::MousePointer::Default:
        break;
    }
    ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
    return true;
}

// The face keeps its size in inches: its units follow the monitor's dots per inch, and the
// window keeps covering the monitor rather than taking the size Windows suggests.
void ClockWindow::dotsPerInchChanged(UINT dotsPerInch, const RECT& /*suggested*/)
{
    if (dotsPerInch == 0)
        return;
    m_units = tk::Units::forDotsPerInch(dotsPerInch);
    layOut();
    applyGeometry();
    repaintAll();
}

void ClockWindow::controlChanged(tk::Control& control, const tk::Bounds& before)
{
    if (control.kind() != tk::ControlKind::Timer) {
        repaint(m_repaintAreas->repaintArea(control, before));
        return;
    }
    auto& timer = static_cast<tk::Timer&>(control);
    for (std::size_t slot = 0; slot < m_timers.size(); ++slot) {
        if (m_timers[slot].timer == &timer) {
            syncTimer(slot);
            return;
        }
    }
    m_timers.push_back({&timer});
    syncTimer(m_timers.size() - 1);
}

void ClockWindow::syncTimer(std::size_t slot)
{
    TimerSlot& timer = m_timers[slot];
    if (!timer.timer->isRunning()) {
        ::KillTimer(m_handle, timerId(slot));
        timer.active = false;
        return;
    }
    const bool aligned = timer.timer->alignedToWallClock();
    const int interval = timer.timer->interval();
    if (timer.active && aligned == timer.aligned && (aligned || interval == timer.interval))
        return;
    timer.active = true;
    timer.aligned = aligned;
    timer.interval = interval;
    if (aligned)
        armAlignedTimer(slot);
    else
        ::SetTimer(m_handle, timerId(slot), static_cast<UINT>(interval), nullptr);
}

// One tick at a time, each booked for just after the next second begins, so that the ticks
// follow the wall clock without a busy wait and a late one never makes the next late.
void ClockWindow::armAlignedTimer(std::size_t slot)
{
    ::SetTimer(m_handle, timerId(slot), delayToNextSecond(), nullptr);
}

void ClockWindow::windowChanged()
{
    ::SetWindowTextW(m_handle, os::wideText::fromUtf8(m_window.caption()).c_str());
    applyGeometry();
    applyVisibility();
    repaintAll();
}

void ClockWindow::stackingChanged()
{
    repaintAll();
}

void ClockWindow::shown()
{
    m_covers->show();
    ::SetWindowPos(m_handle, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    ::SetForegroundWindow(m_handle);
    ::SetFocus(m_handle);
    // A dialog shown while the clock came up, as with "/c", stays in front of it.
    FormWindow::raiseShown();
}

void ClockWindow::applyGeometry()
{
    RECT target = primaryMonitor();
    if (m_window.windowState() != tk::WindowState::Maximised) {
        const tk::PixelRect own = m_units.toWholePixels(m_window.bounds());
        if (own.isEmpty())
            return;
        target = {target.left + own.left, target.top + own.top, target.left + own.right(),
                  target.top + own.bottom()};
    }
    // The window is topmost from its making; a new place leaves it where it stands among the
    // topmost windows, so that a dialog stays in front of it.
    ::SetWindowPos(m_handle, nullptr, target.left, target.top, target.right - target.left,
                   target.bottom - target.top, SWP_NOACTIVATE | SWP_NOZORDER);
}

void ClockWindow::applyVisibility()
{
    const bool visible = m_window.visible();
    if (visible != (::IsWindowVisible(m_handle) != FALSE))
        ::ShowWindow(m_handle, visible ? SW_SHOW : SW_HIDE);
}

void ClockWindow::repaint(const scene::Area& area)
{
    if (area.isEmpty())
        return;
    m_dirty += area;
    for (const tk::PixelRect& rect : area.rects()) {
        const RECT part{rect.left, rect.top, rect.right(), rect.bottom()};
        ::InvalidateRect(m_handle, &part, FALSE);
    }
}

void ClockWindow::repaintAll()
{
    m_dirty = tk::PixelRect({0, 0}, m_buffer->size());
    ::InvalidateRect(m_handle, nullptr, FALSE);
}
