#include "ForeignWindow.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cmath>
#include <cstdlib>
#include <memory>

namespace {

// The high bit of an event's type tells a sent event from one the server made.
constexpr std::uint8_t kEventTypeMask = 0x7f;

xcb_connection_t* x11Connection()
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// The root window of the screen that DISPLAY names (":0.1" is screen 1).
std::uint32_t defaultRoot(xcb_connection_t* connection)
{
    const QByteArray display = qgetenv("DISPLAY");
    const int dot = display.lastIndexOf('.');
    const int colon = display.lastIndexOf(':');
    int screen = dot > colon ? display.mid(dot + 1).toInt() : 0;
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (; it.rem > 0 && screen > 0; --screen)
        xcb_screen_next(&it);
    return it.rem > 0 ? it.data->root : 0;
}

template <class Reply> using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

} // namespace

ForeignWindow::ForeignWindow(std::uint32_t id, QObject* parent)
    : QObject(parent)
    , m_id(id)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return;
    if (m_id == 0) {
        m_id = defaultRoot(connection);
        m_isRoot = true;
    }
    // The window's events are asked for before its size, so that a window destroyed at any
    // moment from here on is seen to go: either the question fails, or its destruction
    // arrives as an event.
    if (!followChanges())
        return;
    m_wentAway = !queryGeometry();
    if (m_wentAway)
        return;
    m_valid = true;
    m_foreign = QWindow::fromWinId(m_id);
    qGuiApp->installNativeEventFilter(this);
}

ForeignWindow::~ForeignWindow()
{
    if (qGuiApp)
        qGuiApp->removeNativeEventFilter(this);
}

bool ForeignWindow::queryGeometry()
{
    xcb_connection_t* connection = x11Connection();
    const ReplyPtr<xcb_get_geometry_reply_t> reply(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, m_id), nullptr),
        &std::free);
    if (reply)
        m_size = QSize(reply->width, reply->height);
    return reply != nullptr;
}

// Asks for the window's structure events beside whatever this client already wanted of it,
// which for the root window includes what Qt itself listens to.
bool ForeignWindow::followChanges()
{
    xcb_connection_t* connection = x11Connection();
    const ReplyPtr<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, m_id),
                                        nullptr),
        &std::free);
    const std::uint32_t mask =
        (attributes ? attributes->your_event_mask : 0) | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    const ReplyPtr<xcb_generic_error_t> error(
        xcb_request_check(connection, xcb_change_window_attributes_checked(
                                          connection, m_id, XCB_CW_EVENT_MASK, &mask)),
        &std::free);
    return attributes != nullptr && error == nullptr;
}

// Whether `window` now stands in the foreign window: a reparenting into a window that has
// just been destroyed fails, and leaves it a top-level window of its own.
bool ForeignWindow::holds(std::uint32_t window) const
{
    xcb_connection_t* connection = x11Connection();
    const ReplyPtr<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr), &std::free);
    return tree && tree->parent == m_id;
}

QScreen* ForeignWindow::screen() const
{
    return m_foreign ? m_foreign->screen() : nullptr;
}

// Qt scales a screen of more dots per inch by a device pixel ratio; a window Qt made follows a
// size in its device-independent pixels, so the foreign window's is given in the same.
QSize ForeignWindow::size() const
{
    const double ratio = m_foreign ? m_foreign->devicePixelRatio() : 1.0;
    return QSize(int(std::ceil(m_size.width() / ratio)), int(std::ceil(m_size.height() / ratio)));
}

bool ForeignWindow::embed(QWidget& widget)
{
    if (!m_foreign)
        return false;
    if (m_isRoot)
        widget.setWindowFlag(Qt::X11BypassWindowManagerHint);
    widget.setAttribute(Qt::WA_NativeWindow);
    widget.winId();
    widget.windowHandle()->setParent(m_foreign);
    widget.move(0, 0);
    return holds(static_cast<std::uint32_t>(widget.winId()));
}

bool ForeignWindow::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & kEventTypeMask) {
    case XCB_CONFIGURE_NOTIFY: {
        const auto* configure = static_cast<const xcb_configure_notify_event_t*>(message);
        const QSize size(configure->width, configure->height);
        if (configure->window == m_id && size != m_size) {
            m_size = size;
            emit resized(this->size());
        }
        break;
    }
    case XCB_DESTROY_NOTIFY:
        if (static_cast<const xcb_destroy_notify_event_t*>(message)->window == m_id)
            emit gone();
        break;
    default:
        break;
    }
    return false;
}
