#include "XTest.h"

#include <sys/socket.h>
#include <sys/un.h>

#include <cstring>

// What the program does with its command line and its display: a run it cannot make is said in
// one line with status 1, an unknown option with status 2, Qt's own options are never taken,
// and -display names the display.

namespace {

// A display number that no server serves.
constexpr const char* kDeadDisplay = ":64999";

// A socket listening at `path`: connections to it succeed, and what is sent on them waits unread,
// as with a compositor that has hung.
int listeningAt(const QByteArray& path)
{
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const auto* at = reinterpret_cast<const sockaddr*>(&address);
    EXPECT_EQ(::bind(fd, at, sizeof(address)) | ::listen(fd, 4), 0) << path.data();
    return fd;
}

// The processes started with the run's temporary folder, such as a bus daemon it started.
QStringList processesOf(const ClockProcess& run)
{
    const QByteArray mark =
        QByteArray(1, '\0') + "TMPDIR=" + QFile::encodeName(run.path("tmp")) + '\0';
    QStringList found;
    for (const QString& process : QDir("/proc").entryList({"[0-9]*"}, QDir::Dirs)) {
        QFile environment("/proc/" + process + "/environ");
        if (environment.open(QIODevice::ReadOnly) && ('\0' + environment.readAll()).contains(mark))
            found.append(process);
    }
    return found;
}

// Kills and counts what the run has left behind once its own helpers, which end when the run
// has ended, have had a moment to go.
int endLeftBehind(const ClockProcess& run, int graceMs, int pauseMs)
{
    QElapsedTimer waited;
    for (waited.start(); !processesOf(run).isEmpty() && waited.elapsed() < graceMs;)
        QThread::msleep(pauseMs);
    int left = 0;
    for (const QString& process : processesOf(run))
        left += ::kill(process.toInt(), SIGKILL) == 0;
    return left;
}

using CommandLineX = XTest;

// A run that cannot be made is said in one line with status 1, and an option the program does
// not know with status 2: a mistyped one, or one of Qt's, which would make an invisible copy
// ("-platform offscreen") or leave most of the screen uncovered ("-qwindowgeometry"). --help
// and --version answer without a display. A run prints nothing, without a runtime folder or a
// session bus too, leaves no bus daemon behind, also when told to start one, and a file-size limit
// of nothing kills none of it.
TEST_F(CommandLineX, AnswersAndFailuresAreSaidAndRunsAreQuiet)
{
    // DISPLAY is none when null and the test's own when empty; a window is named as the user
    // wrote its id, or as XScreenSaver's variable names it. Which switch means what is tested
    // headless; each row here is a real run.
    // clang-format off
    struct Row { const char* name; QStringList switches; const char* display = nullptr;
                 const char* platform = nullptr; const char* bus = nullptr; int status = 0; std::string said = {};
                 const char* screenSaverWindow = nullptr; };
    const QString program = clock->path("tikora-clock");
    const Row rows[] = {
        {"no display", {"/s"}, nullptr, nullptr, nullptr, 1, "display"},
        {"a display no server serves", {"/p"}, kDeadDisplay, nullptr, nullptr, 1, "display"},
        {"a window that is not there", {"--window-id", "0x7ffffff0"}, "", nullptr, nullptr, 1, "no window 0x7ffffff0"},
        {"XScreenSaver's window that is none", {"--root"}, "", nullptr, nullptr, 1, "tikora-clock: no window 0xFFFFFFFF to draw in", "0xFFFFFFFF"},
        {"XScreenSaver's window that is no number", {"--root"}, "", nullptr, nullptr, 1, "tikora-clock: no window garbage to draw in", "garbage"},
        {"Wayland without a compositor", {"/s"}, nullptr, "wayland", nullptr, 1, "Wayland display"},
        {"help", {"--help"}, nullptr, nullptr, nullptr, 0, "--window-id ID"},
        {"the version", {"--version"}, nullptr, nullptr, nullptr, 0, "tikora-clock 0."},
        {"a mistyped option", {"--windwo"}, "", nullptr, nullptr, 2, "\"--windwo\"; \"tikora-clock --help\""},
        {"Qt's -platform", {"-platform", "offscreen", "/s"}, "", nullptr, nullptr, 2, "unknown option \"-platform\""},
        {"Qt's -qwindowgeometry", {"-qwindowgeometry", "100x100", "/s"}, "", nullptr, nullptr, 2, "unknown option"},
        {"a file-size limit of nothing", {"--fsize=0", program, "/p"}, ""},
        {"no runtime folder nor bus", {"--root"}, ""},
        {"a bus to start", {"--root"}, "", nullptr, "autolaunch:"}};
    // clang-format on
    ASSERT_TRUE(QFile::copy(TIKORA_CLOCK_PROGRAM, program));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto& [name, switches, display, platform, bus, status, said, window] = row;
        const std::optional<QString> none;
        const QString named = display && *display ? display : x->display();
        clock->setEnvironment("DISPLAY", display ? named : none);
        clock->setEnvironment("QT_QPA_PLATFORM", platform ? platform : none);
        clock->setEnvironment("XDG_RUNTIME_DIR", none);
        clock->setEnvironment("DBUS_SESSION_BUS_ADDRESS", bus ? bus : none);
        clock->setEnvironment("XSCREENSAVER_WINDOW", window ? window : none);
        clock->setProgram(switches.first() == "--fsize=0" ? "prlimit" : "");
        ASSERT_TRUE(clock->start(switches));
        // A run on the root window goes on until it is asked to end. One that has ended already
        // takes no other process with it when asked, this test neither.
        clock->endsWithin(kPromptEndMs);
        clock->terminate();
        EXPECT_TRUE(clock->endsWithin(kPromptEndMs));
        EXPECT_EQ(clock->exitCode(), status);
        const std::string output = clock->output();
        EXPECT_TRUE(said.empty() ? output.empty() : output.find(said) != std::string::npos)
            << output;
        EXPECT_TRUE(!status || std::count(output.begin(), output.end(), '\n') == 1) << output;
        EXPECT_EQ(endLeftBehind(*clock, kPromptEndMs, kPollPauseMs), 0);
    }
}

// A limit on open files that leaves too few for the program to run is said in one line with
// status 1, unless the program may raise it; any other run shows the face and ends on a key.
TEST_F(CommandLineX, TooFewFileDescriptorsAreRaisedOrSaid)
{
    // The soft and the hard limit of prlimit's --nofile, and whether the clock runs with them.
    // clang-format off
    struct Row { const char* limits; bool runs; };
    const Row rows[] = {{"5", false}, {"8", false}, {"12", false}, {"32", true}, {"64", true},
                        {"8:64", true}};
    // clang-format on
    const QString program = clock->path("tikora-clock");
    ASSERT_TRUE(QFile::copy(TIKORA_CLOCK_PROGRAM, program));
    clock->setProgram("prlimit");
    for (const auto& [limits, runs] : rows) {
        SCOPED_TRACE(limits);
        ASSERT_TRUE(clock->start({QString("--nofile=") + limits, program, "/s"}));
        if (runs) {
            ASSERT_TRUE(waitForColour(kCentreRim, kSeconds)) << clock->output();
            x->key("a");
        }
        ASSERT_TRUE(clock->endsWithin(kPromptEndMs)) << clock->output();
        EXPECT_EQ(clock->exitCode(), runs ? 0 : 1);
        const std::string output = clock->output();
        EXPECT_EQ(output, runs ? ""
                               : "tikora-clock: too few file descriptors: 20 free ones are "
                                 "needed (see ulimit -n)\n");
    }
}

// A Wayland session whose compositor is gone (a stale name, or none named) or has hung runs on
// the X display beside it, and the program's own "-display" names the display. Each run covers the
// screen without a word until a key ends it.
TEST_F(CommandLineX, RunsOnX11WhateverWaylandIsTold)
{
    ASSERT_NO_FATAL_FAILURE(useScreens({"1024x768x24"}, true));
    const QString hung = clock->path("hung-compositor");
    const int compositor = listeningAt(QFile::encodeName(hung));
    // A variable of the session set ("NAME=value") or removed ("NAME"), and switches before "/s".
    // clang-format off
    struct Row { const char* name; QString variable; QStringList options = {}; };
    const Row rows[] = {{"a stale Wayland display", "WAYLAND_DISPLAY=wayland-stale"},
                        {"a Wayland session without a display", "XDG_SESSION_TYPE=wayland"},
                        {"a hung compositor", "WAYLAND_DISPLAY=" + hung},
                        {"-display without DISPLAY", "DISPLAY", {"-display", x->display()}}};
    // clang-format on
    for (const auto& [name, variable, options] : rows) {
        SCOPED_TRACE(name);
        for (const char* session : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE"})
            clock->setEnvironment(session, std::nullopt);
        if (!variable.isEmpty()) {
            clock->setEnvironment(variable.section('=', 0, 0),
                                  variable.contains('=') ? std::optional(variable.section('=', 1))
                                                         : std::nullopt);
        }
        ASSERT_NO_FATAL_FAILURE(startClock(options + QStringList{"/s"}));
        const QImage screen = x->screenshot();
        for (const QPoint corner :
             {QPoint(1, 1), QPoint(1022, 1), QPoint(1, 766), QPoint(600, 700)})
            EXPECT_TRUE(PixelProbe::matches(screen.pixel(corner), Qt::black)) << corner.x();
        x->key("a");
        EXPECT_TRUE(clock->endsWithin(kPromptEndMs));
        EXPECT_EQ(clock->output(), "");
    }
    ::close(compositor);
}

} // namespace
