#include "DesktopRun.h"

#include "DisplayCheck.h"
#include "EmbeddedPresentation.h"
#include "FileDescriptors.h"
#include "ForeignWindow.h"
#include "FullScreenPresentation.h"
#include "QtPlatform.h"
#include "RunPolicy.h"
#include "ScaleRange.h"
#include "ScreenUnits.h"
#include "TikoraClock.h"
#include "UserFolders.h"
#include "WaylandPresentation.h"

#include <QApplication>
#include <QByteArray>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include <unistd.h>

namespace {

// The status with which commands end when their command line is misused.
constexpr int kMisusedStatus = 2;
// The most files the program holds open at once, beside the standard streams: 7 on X11 (the
// lock file, the X connection, three wake-up descriptors of Qt's event loops, and two that
// fontconfig holds as it reads its folders or Qt as it loads an image plugin) and 14 on Wayland,
// whose event loops hold pipes beside their wake-ups and whose windows share buffers in memory
// files. With fewer, GLib aborts, Qt crashes or shows a clock that takes no input, or no GIF
// can be read; two more are kept for a file read and another window's buffers, and four for the
// ways to look-up helpers that answer a slow file system.
constexpr int kFileDescriptorsNeeded = 20;

// The program that owns the window ends an embedded run with SIGTERM; the run then ends at
// once, as a success, without the message the default action would make the shell print.
void endQuietly(int)
{
    ::_exit(EXIT_SUCCESS);
}

void endQuietlyOnTerm()
{
    struct sigaction action = {};
    action.sa_handler = endQuietly;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGTERM, &action, nullptr);
}

// Signals are taken before anything else: the owner of the window may end an embedded run at
// any moment, even as it starts, and a write past the user's file-size limit is a failed write
// that leaves the old settings file in place, not a reason to kill the screen saver (Qt's
// libraries may write caches as they start).
void takeSignals(bool embedded)
{
    if (embedded)
        endQuietlyOnTerm();
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

// Qt aborts, after warnings of several lines, when it cannot connect to the display; the
// run says why in its one line instead. Qt's messages while it connects, which come before such
// an end, are left out: a run that starts prints nothing.
void refuseWhenDisplayIsLost(QtMsgType type, const QMessageLogContext&, const QString&)
{
    if (type != QtFatalMsg)
        return;
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                 DisplayCheck::lostReason().c_str());
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

} // namespace

DesktopRun::DesktopRun(CommandLine options)
    : m_options(std::move(options))
{
}

void DesktopRun::say(const std::string& line) const
{
    std::fprintf(stderr, "%s: %s\n", m_options.programName().c_str(), line.c_str());
}

int DesktopRun::refuse(const std::string& reason) const
{
    say(reason);
    return EXIT_FAILURE;
}

int DesktopRun::exec()
{
    takeSignals(m_options.embedded());
    if (m_options.unknownOption()) {
        say(m_options.error());
        return kMisusedStatus;
    }
    if (!m_options.error().empty())
        return refuse(m_options.error());
    if (m_options.mode() == LaunchMode::Help) {
        std::fputs(m_options.usage().c_str(), stdout);
        return EXIT_SUCCESS;
    }
    if (m_options.mode() == LaunchMode::Version) {
        std::printf("%s %s\n", m_options.programName().c_str(), TIKORA_VERSION);
        return EXIT_SUCCESS;
    }
    if (!os::fileDescriptors::reserve(kFileDescriptorsNeeded))
        return refuse("too few file descriptors: " + std::to_string(kFileDescriptorsNeeded) +
                      " free ones are needed (see ulimit -n)");
    std::string reason;
    DisplayCheck check;
    const DisplayCheck::Kind kind =
        check.prepare(m_options.display(), m_options.inForeignWindow(), reason);
    if (kind == DisplayCheck::Kind::None)
        return refuse(reason);
    quietenSession();
    // Qt sees the program's name alone, so that none of its options can come from outside.
    int qtArgc = 1;
    std::string name = m_options.programName();
    char* qtArgv[] = {name.data(), nullptr};
    // A display that the check reached may still go before Qt connects to it; Qt then aborts.
    if (kind == DisplayCheck::Kind::X11 || kind == DisplayCheck::Kind::Wayland)
        qInstallMessageHandler(refuseWhenDisplayIsLost);
    // Qt reads the scale only as it starts, so a scale out of range takes a new start.
    ScaleRange scale;
    scale.prepare();
    std::optional<QApplication> application(std::in_place, qtArgc, qtArgv);
    while (scale.needsNewStart(QGuiApplication::primaryScreen()))
        application.emplace(qtArgc, qtArgv);
    qInstallMessageHandler(nullptr);
    check.release();
    if (const std::string line = scale.message(QGuiApplication::primaryScreen()); !line.empty())
        say(line);
    return run(kind);
}

void DesktopRun::quietenSession() const
{
    // Qt asks for the session's runtime folder as it starts, and warns on the terminal when
    // there is none; the folder of the user's own that the lock then uses stands in for it.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const std::string folder = os::userFolders::privateTemp();
        if (!folder.empty())
            qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(folder));
    }
    // The clock needs no session bus. Without one, Qt's accessibility bridge would have
    // libdbus start a bus daemon of its own, which outlives the clock; "autolaunch:" asks
    // libdbus for just that.
    const QByteArray bus = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    if (bus.isEmpty() || bus.startsWith("autolaunch:"))
        qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}

int DesktopRun::run(DisplayCheck::Kind kind) const
{
    const Desktop desktop = kind == DisplayCheck::Kind::Wayland ? Desktop::Wayland : Desktop::X11;
    const RunPolicy& policy = RunPolicies::of(RunPolicies::wayFor(m_options, desktop));
    // A window to draw in that goes away as the run takes hold of it ends the run quietly, as
    // one that goes away later does; one that was never there is the caller's mistake.
    std::string reason;
    std::unique_ptr<Presentation> presentation = makePresentation(policy, reason);
    if (!presentation)
        return reason.empty() ? EXIT_SUCCESS : refuse(reason);
    const ScreenUnits units = ScreenUnits::of(presentation->screen());
    QtPlatform platform(RunPolicies::requestFor(m_options, policy), units, *presentation);
    TikoraClock run(platform);
    run.start();
    return QApplication::exec();
}

std::unique_ptr<Presentation> DesktopRun::makePresentation(const RunPolicy& policy,
                                                           std::string& reason) const
{
    // The Windows preview's way is never chosen here, where "/p" runs full screen until the
    // system ends it.
    switch (policy.way) {
    case RunWay::FullScreen:
    case RunWay::Configure:
    case RunWay::WindowsPreview:
        return std::make_unique<FullScreenPresentation>(policy);
    case RunWay::WaylandFullScreen:
        return std::make_unique<WaylandPresentation>(policy);
    case RunWay::OwnWindow:
        return std::make_unique<EmbeddedPresentation>(policy, nullptr);
    case RunWay::ForeignWindow:
        break;
    }
    // X windows are named by 32-bit numbers, which the command line has checked.
    auto parent =
        std::make_unique<ForeignWindow>(static_cast<std::uint32_t>(m_options.windowHandle()));
    if (!parent->isValid()) {
        if (!parent->wentAway())
            reason = CommandLine::noWindow(m_options.windowText());
        return nullptr;
    }
    return std::make_unique<EmbeddedPresentation>(policy, std::move(parent));
}
