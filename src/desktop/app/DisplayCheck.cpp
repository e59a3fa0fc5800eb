#include "DisplayCheck.h"

#include <QByteArray>
#include <QDir>
#include <QLibraryInfo>
#include <QtGlobal>

#ifndef _WIN32
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstring>
#endif

bool DisplayCheck::prepare(const std::string& display, bool inForeignWindow, std::string& reason)
{
    if (!display.empty())
        qputenv("DISPLAY", QByteArray::fromStdString(display));
#ifndef _WIN32
    // Another platform named in QT_QPA_PLATFORM was the user's own choice.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", !inForeignWindow && inWaylandSession() ? "wayland" : "xcb");
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform.startsWith("xcb"))
        return reachX11(reason);
    if (platform.startsWith("wayland"))
        return reachWayland(reason);
#else
    Q_UNUSED(reason);
#endif
    return true;
}

#ifndef _WIN32

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

bool DisplayCheck::reachX11(std::string& reason)
{
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty()) {
        reason = "no display to run on (DISPLAY is not set)";
        return false;
    }
    xcb_connection_t* connection = xcb_connect(display.constData(), nullptr);
    const bool open = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    if (!open)
        reason = "cannot open display " + display.toStdString();
    return open;
}

// A Wayland display is a socket, named by WAYLAND_DISPLAY (wayland-0 when unset) in the
// runtime folder, or by an absolute path.
bool DisplayCheck::reachWayland(std::string& reason)
{
    QByteArray name = qgetenv("WAYLAND_DISPLAY");
    if (name.isEmpty())
        name = "wayland-0";
    const QByteArray path = name.startsWith('/') ? name : qgetenv("XDG_RUNTIME_DIR") + '/' + name;
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    bool open = path.size() < qsizetype(sizeof(address.sun_path));
    if (open) {
        std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        open = fd >= 0 &&
               ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
        if (fd >= 0)
            ::close(fd);
    }
    if (!open)
        reason = "cannot open Wayland display " + name.toStdString();
    return open;
}

#endif
