#include "DisplayCheck.h"

#include "PathText.h"

#include <QByteArray>
#include <QDir>
#include <QLibraryInfo>
#include <QtGlobal>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

namespace {

// A compositor answers a client's first request at once; one that has not answered within
// this time has hung, and Qt would wait for it for ever.
constexpr int kWaylandAnswerMs = 3000;

// A socket connected to the Unix socket at `path`, or -1 when nothing listens there.
int connectTo(const std::string& path)
{
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path))
        return -1;
    std::memcpy(address.sun_path, path.data(), path.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 && ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0)
        return fd;
    if (fd >= 0)
        ::close(fd);
    return -1;
}

enum class Answer { Closed, Silent, Given };

// Asks the compositor for a round trip, as libwayland's first request does: the display
// (object 1) is sent "sync" (request 0) in a message of 12 bytes, whose one argument makes
// object 2 the callback that the compositor answers on.
Answer askRoundTrip(int fd)
{
    constexpr std::uint32_t kDisplayObject = 1;
    constexpr std::uint32_t kSyncRequest = 0;
    constexpr std::uint32_t kCallbackObject = 2;
    constexpr std::uint32_t kMessageBytes = 12;
    const std::uint32_t sync[] = {kDisplayObject, kMessageBytes << 16 | kSyncRequest,
                                  kCallbackObject};
    if (::send(fd, sync, sizeof(sync), MSG_NOSIGNAL) != ssize_t(sizeof(sync)))
        return Answer::Closed;
    pollfd reply = {fd, POLLIN, 0};
    int ready = 0;
    do
        ready = ::poll(&reply, 1, kWaylandAnswerMs);
    while (ready < 0 && errno == EINTR);
    if (ready == 0)
        return Answer::Silent;
    char byte = 0;
    return ready > 0 && ::recv(fd, &byte, 1, 0) == 1 ? Answer::Given : Answer::Closed;
}

} // namespace

DisplayCheck::Kind DisplayCheck::prepare(const std::string& display, bool inForeignWindow,
                                         std::string& reason)
{
    if (!display.empty())
        qputenv("DISPLAY", QByteArray::fromStdString(display));
    for (const QByteArray& platform :
         QByteArray::fromStdString(candidates(inForeignWindow)).split(';')) {
        std::string why;
        Kind kind = Kind::Other;
        if (platform.startsWith("xcb"))
            kind = reachX11(why) ? Kind::X11 : Kind::None;
        else if (platform.startsWith("wayland"))
            kind = reachWayland(why) ? Kind::Wayland : Kind::None;
        else if (platform.isEmpty())
            continue;
        if (kind != Kind::None) {
            qputenv("QT_QPA_PLATFORM", platform);
            return kind;
        }
        // The first system's failure is the one to tell: the others stood in for it.
        if (reason.empty())
            reason = why;
    }
    if (reason.empty())
        reason = "QT_QPA_PLATFORM names no windowing system";
    return Kind::None;
}

void DisplayCheck::release()
{
    if (m_x11)
        xcb_disconnect(m_x11);
    m_x11 = nullptr;
}

std::string DisplayCheck::lostReason()
{
    if (qgetenv("QT_QPA_PLATFORM").startsWith("wayland"))
        return "cannot open Wayland display " + waylandName();
    return "cannot open display " + qgetenv("DISPLAY").toStdString();
}

// WAYLAND_DISPLAY, or wayland-0 when it is not set, as libwayland reads it.
std::string DisplayCheck::waylandName()
{
    const QByteArray name = qgetenv("WAYLAND_DISPLAY");
    return name.isEmpty() ? "wayland-0" : name.toStdString();
}

// A session whose compositor is named, on a Qt that can speak to it. An X display beside it
// belongs to Xwayland, where the clock could neither cover the screen nor keep its dialogs in
// front as surely.
bool DisplayCheck::inWaylandSession()
{
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qgetenv("XDG_SESSION_TYPE") != QByteArrayLiteral("wayland"))
        return false;
    const QString plugins = QLibraryInfo::path(QLibraryInfo::PluginsPath);
    return QDir(plugins + QStringLiteral("/platforms"))
               .entryList({QStringLiteral("libqwayland-*")}, QDir::Files)
               .size() > 0;
}

// A platform named in QT_QPA_PLATFORM was the user's own choice. Otherwise a Wayland session
// whose compositor is gone, such as the stale variables a terminal multiplexer keeps, runs on
// the X display beside it, if there is one.
std::string DisplayCheck::candidates(bool inForeignWindow)
{
    const QByteArray named = qgetenv("QT_QPA_PLATFORM");
    if (!named.isEmpty())
        return named.toStdString();
    return !inForeignWindow && inWaylandSession() ? "wayland;xcb" : "xcb";
}

bool DisplayCheck::reachX11(std::string& reason)
{
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty()) {
        reason = "no display to run on (DISPLAY is not set)";
        return false;
    }
    release();
    xcb_connection_t* connection = xcb_connect(display.constData(), nullptr);
    if (xcb_connection_has_error(connection) == 0) {
        m_x11 = connection;
        return true;
    }
    xcb_disconnect(connection);
    reason = "cannot open display " + display.toStdString();
    return false;
}

// A Wayland display is a socket, named by WAYLAND_DISPLAY in the runtime folder, or by an
// absolute path. A compositor that has hung accepts a connection and never answers; Qt would
// then wait for ever, without a word, so the check waits for the first answer a while only.
bool DisplayCheck::reachWayland(std::string& reason)
{
    const std::string name = waylandName();
    const std::string path =
        name.front() == '/' ? name : tk::path::join(qgetenv("XDG_RUNTIME_DIR").toStdString(), name);
    const int fd = connectTo(path);
    const Answer answer = fd < 0 ? Answer::Closed : askRoundTrip(fd);
    if (fd >= 0)
        ::close(fd);
    if (answer == Answer::Silent)
        reason = "the Wayland display " + name + " does not answer";
    else if (answer == Answer::Closed)
        reason = "cannot open Wayland display " + name;
    return answer == Answer::Given;
}
