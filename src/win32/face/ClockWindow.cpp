#include "ClockWindow.h"

#include "Control.h"
#include "PrimaryMonitor.h"
#include "ThreadWindows.h"
#include "WindowClasses.h"
#include "WindowOwner.h"

#include "WideText.h"

namespace {

constexpr const wchar_t* kClassName = WindowClasses::kFace;
// The character Delete types, which is no character a user meant.
constexpr WPARAM kDelete = 0x7F;

} // namespace

ClockWindow::ClockWindow(HINSTANCE instance, tk::Window& window, const RunPolicy& policy,
                         TickLoop& ticks)
    : m_instance(instance)
    , m_window(window)
    , m_policy(policy)
    , m_units(PrimaryMonitor::units())
{
    WNDCLASSEXW type = {};
    type.cbSize = sizeof(type);
    type.lpfnWndProc = procedure;
    type.hInstance = instance;
    type.lpszClassName = kClassName;
    ::RegisterClassExW(&type);
    const RECT area = PrimaryMonitor::area();
    m_handle = ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_APPWINDOW, kClassName,
                                 os::wideText::fromUtf8(m_window.caption()).c_str(), WS_POPUP,
                                 area.left, area.top, area.right - area.left,
                                 area.bottom - area.top, nullptr, nullptr, instance, this);
    if (m_handle)
        m_units = tk::Units::forDotsPerInch(::GetDpiForWindow(m_handle));
    m_view = std::make_unique<FaceView>(m_window, m_handle, ticks);
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

tk::PixelSize ClockWindow::layoutSize() const
{
    const RECT area = PrimaryMonitor::area();
    return {area.right - area.left, area.bottom - area.top};
}

// The face is laid out for the primary monitor and shown at its own size, from the window's top
// left corner, whatever the window's own size.
void ClockWindow::layOut()
{
    m_view->layOut(m_units, layoutSize(), m_policy.showsHint);
    m_view->fitInto(layoutSize());
}

LRESULT CALLBACK ClockWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = windowOwner<ClockWindow>(window, message, lParam);
    if (!self || !self->m_handle || !self->m_view)
        return ::DefWindowProcW(window, message, wParam, lParam);
    return self->handle(message, wParam, lParam);
}

LRESULT ClockWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (LRESULT result = 0; m_view->answers(message, wParam, result))
        return result;
    switch (message) {
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
}

void ClockWindow::controlChanged(tk::Control& control, const tk::Bounds& before)
{
    m_view->controlChanged(control, before);
}

void ClockWindow::windowChanged()
{
    ::SetWindowTextW(m_handle, os::wideText::fromUtf8(m_window.caption()).c_str());
    applyGeometry();
    applyVisibility();
    m_view->repaintAll();
}

void ClockWindow::stackingChanged()
{
    m_view->repaintAll();
}

void ClockWindow::shown()
{
    m_covers->show();
    ::SetWindowPos(m_handle, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    ::SetForegroundWindow(m_handle);
    ::SetFocus(m_handle);
    // A dialog shown while the clock came up, as with "/c", stays in front of it.
    if (const HWND dialog = ThreadWindows::lastShownOfClass(WindowClasses::kForm)) {
        ::SetWindowPos(dialog, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        ::SetForegroundWindow(dialog);
    }
}

void ClockWindow::applyGeometry()
{
    RECT target = PrimaryMonitor::area();
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
