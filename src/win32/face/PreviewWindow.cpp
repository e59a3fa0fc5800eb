#include "PreviewWindow.h"

#include "Control.h"
#include "PrimaryMonitor.h"
#include "WindowClasses.h"
#include "WindowOwner.h"

#include <cstdlib>

namespace {

constexpr const wchar_t* kClassName = WindowClasses::kPreview;

tk::PixelSize clientSize(HWND window)
{
    RECT client = {};
    ::GetClientRect(window, &client);
    return {client.right - client.left, client.bottom - client.top};
}

} // namespace

PreviewWindow::PreviewWindow(HINSTANCE instance, tk::Window& window, const RunPolicy& policy,
                             TickLoop& ticks, HWND parent)
    : m_window(window)
    , m_parent(parent)
    , m_units(PrimaryMonitor::units())
{
    WNDCLASSEXW type = {};
    type.cbSize = sizeof(type);
    type.lpfnWndProc = procedure;
    type.hInstance = instance;
    type.lpszClassName = kClassName;
    type.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    ::RegisterClassExW(&type);
    const tk::PixelSize size = clientSize(parent);
    m_handle = ::CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE, 0, 0, size.width,
                                 size.height, parent, nullptr, instance, this);
    // A preview without a window of its own has nothing to show, and ends.
    if (m_handle)
        m_units = tk::Units::forDotsPerInch(::GetDpiForWindow(m_handle));
    else
        ::PostQuitMessage(EXIT_SUCCESS);
    m_view = std::make_unique<FaceView>(m_window, m_handle, ticks, [this] { checkParent(); });
    const RECT primary = PrimaryMonitor::area();
    const tk::PixelSize largest{primary.right - primary.left, primary.bottom - primary.top};
    m_view->layOut(m_units, FaceFit::layoutFor(size, largest), policy.showsHint);
    m_view->fitInto(size);
    m_window.setObserver(this);
    for (tk::Control* control : m_window.controls()) {
        if (control->kind() == tk::ControlKind::Timer)
            controlChanged(*control, control->bounds());
    }
}

PreviewWindow::~PreviewWindow()
{
    if (m_handle) {
        ::SetWindowLongPtrW(m_handle, GWLP_USERDATA, 0);
        ::DestroyWindow(m_handle);
    }
}

LRESULT CALLBACK PreviewWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = windowOwner<PreviewWindow>(window, message, lParam);
    if (!self || !self->m_handle || !self->m_view)
        return ::DefWindowProcW(window, message, wParam, lParam);
    return self->handle(message, wParam, lParam);
}

LRESULT PreviewWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (LRESULT result = 0; m_view->answers(message, wParam, result))
        return result;
    switch (message) {
    case WM_SIZE:
        m_view->fitInto({LOWORD(lParam), HIWORD(lParam)});
        return 0;
    case WM_DESTROY:
        // The window that the preview stands in is going, and the run goes with it.
        m_handle = nullptr;
        ::PostQuitMessage(EXIT_SUCCESS);
        return 0;
    default:
        break;
    }
    return ::DefWindowProcW(m_handle, message, wParam, lParam);
}

void PreviewWindow::checkParent() const
{
    if (!::IsWindow(m_parent))
        ::PostQuitMessage(EXIT_SUCCESS);
}

void PreviewWindow::controlChanged(tk::Control& control, const tk::Bounds& before)
{
    m_view->controlChanged(control, before);
}

void PreviewWindow::windowChanged()
{
    const bool visible = m_window.visible();
    if (visible != (::IsWindowVisible(m_handle) != FALSE))
        ::ShowWindow(m_handle, visible ? SW_SHOWNA : SW_HIDE);
    m_view->repaintAll();
}

void PreviewWindow::stackingChanged()
{
    m_view->repaintAll();
}

void PreviewWindow::shown()
{
    ::ShowWindow(m_handle, SW_SHOWNA);
}
