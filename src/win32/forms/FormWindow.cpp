#include "FormWindow.h"

#include "CommandButton.h"
#include "Control.h"
#include "FormPainter.h"
#include "Line.h"
#include "NativeControls.h"
#include "PictureBox.h"
#include "PrimaryMonitor.h"
#include "ThreadWindows.h"
#include "TickLoop.h"
#include "WideText.h"
#include "WindowClasses.h"

#include <algorithm>

namespace {

constexpr const wchar_t* kClassName = WindowClasses::kForm;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExtendedStyle = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST | WS_EX_CONTROLPARENT;
// The command identifiers of the controls start above those of the dialog keys (IDOK, ...).
constexpr int kFirstId = 100;
// A list's notice carried out once it is over: the identifier and code in wParam.
constexpr UINT kDeferredNotice = WM_APP + 1;
// How many rows a drive list drops down.
constexpr int kDropDownRows = 8;

using FormPainter::colourRef;

int depthOf(const tk::Control& control)
{
    int depth = 0;
    for (const tk::Control* frame = control.container(); frame; frame = frame->container())
        ++depth;
    return depth;
}

// A control inside a hidden or disabled frame is hidden or disabled with it.
bool shownWithFrames(const tk::Control& control)
{
    for (const tk::Control* part = &control; part; part = part->container()) {
        if (!part->visible())
            return false;
    }
    return true;
}

bool enabledWithFrames(const tk::Control& control)
{
    for (const tk::Control* part = &control; part; part = part->container()) {
        if (!part->enabled())
            return false;
    }
    return true;
}

void registerClass(HINSTANCE instance, WNDPROC procedure)
{
    WNDCLASSEXW type = {};
    if (::GetClassInfoExW(instance, kClassName, &type))
        return;
    type.cbSize = sizeof(type);
    type.lpfnWndProc = procedure;
    type.hInstance = instance;
    type.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    type.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(1));
    type.lpszClassName = kClassName;
    ::RegisterClassExW(&type);
}

} // namespace

FormWindow::FormWindow(HINSTANCE instance, tk::Window& window, HWND owner)
    : m_window(window)
{
    registerClass(instance, procedure);
    m_handle = ::CreateWindowExW(kExtendedStyle, kClassName, L"", kStyle, CW_USEDEFAULT,
                                 CW_USEDEFAULT, 0, 0, owner, nullptr, instance, nullptr);
    ::SetWindowLongPtrW(m_handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_units = tk::Units::forDotsPerInch(::GetDpiForWindow(m_handle));
    m_fonts.setUnits(m_units);
    // Every control exists before any is placed, since a control may come before its frame.
    for (tk::Control* control : m_window.controls())
        nativeFor(*control);
    syncAll();
    restack();
    applyWindow();
    m_window.setObserver(this);
}

// The toolkit window may be gone already when the process winds down, so it is not touched.
FormWindow::~FormWindow()
{
    ::SetWindowLongPtrW(m_handle, GWLP_USERDATA, 0);
    ::DestroyWindow(m_handle);
    for (const auto& [colour, brush] : m_brushes)
        ::DeleteObject(brush);
}

FormWindow::Native& FormWindow::nativeFor(tk::Control& control)
{
    const auto found = std::find_if(m_natives.begin(), m_natives.end(),
                                    [&control](const Native& n) { return n.control == &control; });
    if (found != m_natives.end())
        return *found;
    const int id = kFirstId + static_cast<int>(m_natives.size());
    m_natives.push_back({&control, NativeControls::create(control, m_handle, id)});
    return m_natives.back();
}

FormWindow::Native* FormWindow::nativeOf(HWND handle)
{
    const int id = ::GetDlgCtrlID(handle) - kFirstId;
    if (id < 0 || id >= static_cast<int>(m_natives.size()))
        return nullptr;
    return &m_natives[static_cast<std::size_t>(id)];
}

tk::PixelRect FormWindow::placeOf(const tk::Control& control) const
{
    tk::Bounds bounds = control.bounds();
    for (const tk::Control* frame = control.container(); frame; frame = frame->container()) {
        bounds.left += frame->left();
        bounds.top += frame->top();
    }
    return m_units.toWholePixels(bounds);
}

void FormWindow::syncControl(Native& native)
{
    const tk::Control& control = *native.control;
    if (!native.handle) {
        if (control.kind() == tk::ControlKind::Line)
            ::InvalidateRect(m_handle, nullptr, TRUE);
        return;
    }
    m_copying = true;
    tk::PixelRect place = placeOf(control);
    // A drop-down list's window holds the list it drops down.
    if (control.kind() == tk::ControlKind::DriveListBox)
        place.height *= kDropDownRows;
    ::SetWindowPos(native.handle, nullptr, place.left, place.top, place.width, place.height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    NativeControls::updateContent(control, native.handle);
    ::SendMessageW(native.handle, WM_SETFONT,
                   reinterpret_cast<WPARAM>(m_fonts.fontFor(control, native.handle)), TRUE);
    ::EnableWindow(native.handle, enabledWithFrames(control));
    ::ShowWindow(native.handle, shownWithFrames(control) ? SW_SHOWNA : SW_HIDE);
    ::InvalidateRect(native.handle, nullptr, TRUE);
    m_copying = false;
}

void FormWindow::syncAll()
{
    for (Native& native : m_natives)
        syncControl(native);
}

void FormWindow::restack()
{
    std::vector<const Native*> order;
    for (const Native& native : m_natives) {
        if (native.handle)
            order.push_back(&native);
    }
    const auto layer = [](const Native* native) {
        const tk::ControlKind kind = native->control->kind();
        const int kindLayer = kind == tk::ControlKind::Frame   ? 0
                              : kind == tk::ControlKind::Label ? 1
                                                               : 2;
        return std::make_pair(kindLayer, depthOf(*native->control));
    };
    // From the front to the back; the creation order stands among equals, as the tab order.
    std::stable_sort(order.begin(), order.end(),
                     [&layer](const Native* a, const Native* b) { return layer(a) > layer(b); });
    HWND above = HWND_TOP;
    for (const Native* native : order) {
        ::SetWindowPos(native->handle, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = native->handle;
    }
}

void FormWindow::applyWindow()
{
    const std::wstring title = os::wideText::fromUtf8(m_window.caption());
    ::SetWindowTextW(m_handle, title.c_str());
    const tk::PixelRect client = m_units.toWholePixels(m_window.bounds());
    RECT outer{0, 0, client.width, client.height};
    ::AdjustWindowRectExForDpi(&outer, kStyle, FALSE, kExtendedStyle, ::GetDpiForWindow(m_handle));
    const RECT primary = PrimaryMonitor::area();
    const POINT position{primary.left + client.left, primary.top + client.top};
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (m_followingUserMove || (m_appliedPosition && m_appliedPosition->x == position.x &&
                                m_appliedPosition->y == position.y))
        flags |= SWP_NOMOVE;
    else
        m_appliedPosition = position;
    ::SetWindowPos(m_handle, nullptr, position.x, position.y, outer.right - outer.left,
                   outer.bottom - outer.top, flags);
    if (m_window.visible() != (::IsWindowVisible(m_handle) != FALSE))
        ::ShowWindow(m_handle, m_window.visible() ? SW_SHOW : SW_HIDE);
}

void FormWindow::controlChanged(tk::Control& control, const tk::Bounds&)
{
    Native& native = nativeFor(control);
    // The controls a frame holds move, hide and grey with it.
    if (control.kind() == tk::ControlKind::Frame)
        syncAll();
    else
        syncControl(native);
}

void FormWindow::windowChanged()
{
    applyWindow();
    ::InvalidateRect(m_handle, nullptr, TRUE);
}

void FormWindow::stackingChanged()
{
    restack();
}

void FormWindow::shown()
{
    ::ShowWindow(m_handle, SW_SHOW);
    ::SetWindowPos(m_handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ::SetForegroundWindow(m_handle);
}

void FormWindow::execModal(TickLoop& ticks)
{
    const HWND active = ::GetActiveWindow();
    std::vector<HWND> disabled = ThreadWindows::shownAndEnabled();
    std::erase(disabled, m_handle);
    for (HWND window : disabled)
        ::EnableWindow(window, FALSE);
    m_window.show();
    // The clock behind the dialog goes on ticking on time.
    ticks.runWhile([this] { return m_window.visible(); },
                   [this](MSG& message) { return takeDialogMessage(message); });
    for (HWND window : disabled)
        ::EnableWindow(window, TRUE);
    if (active && ::IsWindowVisible(active))
        ::SetActiveWindow(active);
}

bool FormWindow::takeDialogMessage(MSG& message)
{
    if (!::IsWindowVisible(m_handle) ||
        (message.hwnd != m_handle && !::IsChild(m_handle, message.hwnd)))
        return false;
    return ::IsDialogMessageW(m_handle, &message) != FALSE;
}

HBRUSH FormWindow::brushFor(tk::Colour colour)
{
    const auto found = m_brushes.find(colour);
    if (found != m_brushes.end())
        return found->second;
    const HBRUSH made = ::CreateSolidBrush(colourRef(colour));
    m_brushes.emplace(colour, made);
    return made;
}

// Captions take their control's colour over the window's back colour; a text field that
// cannot be edited shows its own colours, as the colour swatches do.
LRESULT FormWindow::colourStatic(HDC dc, HWND control)
{
    const Native* native = nativeOf(control);
    if (native && native->control->kind() == tk::ControlKind::TextBox)
        return colourEdit(dc, control);
    if (native)
        ::SetTextColor(dc, colourRef(native->control->foreColor()));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetBkColor(dc, colourRef(m_window.backColor()));
    return reinterpret_cast<LRESULT>(brushFor(m_window.backColor()));
}

LRESULT FormWindow::colourEdit(HDC dc, HWND control)
{
    const Native* native = nativeOf(control);
    if (!native)
        return ::DefWindowProcW(m_handle, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                reinterpret_cast<LPARAM>(control));
    ::SetTextColor(dc, colourRef(native->control->foreColor()));
    ::SetBkColor(dc, colourRef(native->control->backColor()));
    return reinterpret_cast<LRESULT>(brushFor(native->control->backColor()));
}

void FormWindow::command(WORD id, WORD code)
{
    if (id == IDOK || id == IDCANCEL) {
        press(id == IDOK ? FormKey::Enter : FormKey::Escape);
        return;
    }
    const int index = id - kFirstId;
    if (m_copying || index < 0 || index >= static_cast<int>(m_natives.size()))
        return;
    const Native native = m_natives[static_cast<std::size_t>(index)];
    if (NativeControls::isDeferred(*native.control, code))
        ::PostMessageW(m_handle, kDeferredNotice, MAKEWPARAM(id, code), 0);
    else
        NativeControls::notify(*native.control, native.handle, code);
}

// A picture box shows its picture in its middle, on its back colour.
void FormWindow::drawPicture(const DRAWITEMSTRUCT& item)
{
    const Native* native = nativeOf(item.hwndItem);
    if (!native || native->control->kind() != tk::ControlKind::PictureBox)
        return;
    const auto& box = static_cast<const tk::PictureBox&>(*native->control);
    FormPainter::drawPicture(item.hDC, item.rcItem, box, brushFor(box.backColor()));
}

// The window's back colour, and the lines, which have no windows of their own.
void FormWindow::paint()
{
    PAINTSTRUCT state;
    const HDC dc = ::BeginPaint(m_handle, &state);
    ::FillRect(dc, &state.rcPaint, brushFor(m_window.backColor()));
    for (const Native& native : m_natives) {
        const tk::Control& control = *native.control;
        if (control.kind() != tk::ControlKind::Line || !shownWithFrames(control))
            continue;
        const tk::PixelRect place = placeOf(control);
        const POINT origin{place.left - m_units.toWholePixels(control.bounds().left),
                           place.top - m_units.toWholePixels(control.bounds().top)};
        FormPainter::drawLine(dc, static_cast<const tk::Line&>(control), origin, m_units);
    }
    ::EndPaint(m_handle, &state);
}

bool FormWindow::press(FormKey key)
{
    tk::CommandButton* button = FormKeys::buttonFor(m_window, key);
    if (button)
        button->click();
    return button != nullptr;
}

// A window moved by the user reports its new place back, so that the toolkit reads where the
// window really stands.
void FormWindow::userMoved()
{
    RECT outer;
    ::GetWindowRect(m_handle, &outer);
    const RECT primary = PrimaryMonitor::area();
    m_appliedPosition = POINT{outer.left, outer.top};
    m_followingUserMove = true;
    m_window.setLeft(static_cast<float>(m_units.toTwips(outer.left - primary.left)));
    m_window.setTop(static_cast<float>(m_units.toTwips(outer.top - primary.top)));
    m_followingUserMove = false;
}

void FormWindow::dotsPerInchChanged(UINT dotsPerInch)
{
    m_units = tk::Units::forDotsPerInch(dotsPerInch);
    m_fonts.setUnits(m_units);
    m_appliedPosition.reset();
    syncAll();
    applyWindow();
}

LRESULT CALLBACK FormWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<FormWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    return self ? self->handle(message, wParam, lParam)
                : ::DefWindowProcW(window, message, wParam, lParam);
}

LRESULT FormWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        command(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case kDeferredNotice: {
        const int index = LOWORD(wParam) - kFirstId;
        if (index >= 0 && index < static_cast<int>(m_natives.size())) {
            const Native native = m_natives[static_cast<std::size_t>(index)];
            NativeControls::notify(*native.control, native.handle, HIWORD(wParam));
        }
        return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return colourStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return colourEdit(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DRAWITEM:
        drawPicture(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT:
        paint();
        return 0;
    case WM_CLOSE:
        // Closing from the frame is the cancel button's business; the toolkit hides the
        // window when it wants it hidden.
        press(FormKey::Close);
        return 0;
    case WM_EXITSIZEMOVE:
        userMoved();
        return 0;
    case WM_DPICHANGED:
        dotsPerInchChanged(HIWORD(wParam));
        return 0;
    default:
        return ::DefWindowProcW(m_handle, message, wParam, lParam);
    }
}
