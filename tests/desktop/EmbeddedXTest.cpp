#include "XTest.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

// The clock embedded in a window it is given: a small window made by the test, as a preview
// is, and the window of the real XScreenSaver daemon; and the switches that make it draw in a
// window of its own or in the root window instead.

namespace {

// Whether the pixels just inside the edges of `area` are black: nothing of the face is cut off.
bool edgesBlack(const QImage& image, const QRect& area)
{
    const QRect inner = area.adjusted(1, 1, -1, -1);
    return PixelProbe::lit(image, inner) == PixelProbe::lit(image, inner.adjusted(1, 1, -1, -1));
}

// An X server over TCP that has hung: a socket that takes connections and never answers, so that
// a client waits for it for as long as it is let. Display N of a host is served on TCP port
// 6000 + N.
int hungXServer(QString& display)
{
    constexpr int kFirstPort = 6000;
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof(address);
    auto* at = reinterpret_cast<sockaddr*>(&address);
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    EXPECT_EQ(::bind(fd, at, size) | ::listen(fd, 1) | ::getsockname(fd, at, &size), 0);
    display = QString("127.0.0.1:%1").arg(ntohs(address.sin_port) - kFirstPort);
    return fd;
}

using EmbeddedRunX = XTest;

// XScreenSaver may end a display program as soon as it has started it: SIGTERM while the run
// still waits for its display, here one that never answers, ends it as quietly as later.
TEST_F(EmbeddedRunX, TermWhileWaitingForTheDisplayEndsQuietly)
{
    for (const QStringList& switches :
         {QStringList{"--root"}, QStringList{"--window-id", "0x400007"}, QStringList{"--window"}}) {
        SCOPED_TRACE(switches.join(' ').toStdString());
        QString display;
        const int server = hungXServer(display);
        clock->setEnvironment("DISPLAY", display);
        ASSERT_TRUE(clock->start(switches));
        // The run has connected once the connection waits to be taken.
        pollfd connection = {server, POLLIN, 0};
        EXPECT_EQ(::poll(&connection, 1, kWaitMs), 1) << clock->output();
        clock->terminate();
        EXPECT_TRUE(clock->endsWithin(kPromptEndMs));
        EXPECT_EQ(clock->exitCode(), 0);
        EXPECT_EQ(clock->output(), "");
        ::close(server);
    }
}

// A window of 400 x 300 pixels made by xmessage, as a preview is.
class WindowIdX : public XTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(XTest::SetUp());
        ASSERT_NO_FATAL_FAILURE(openWindow());
    }
    void openWindow()
    {
        m_window.emplace(x->display());
        m_window->setProgram("xmessage");
        ASSERT_TRUE(m_window->start({"-geometry", "400x300+100+100", "preview"})) << "no xmessage";
        const QStringList search = {"search", "--limit", "1", "--name", "^xmessage$"};
        ASSERT_TRUE(
            waitFor([&] { return !(m_id = x->run("xdotool", search).trimmed()).isEmpty(); }));
    }
    // The inside of the window; xwininfo places it with its border of one pixel.
    QRect area() const { return x->shownWindow("xmessage").value_or(QRect()).translated(1, 1); }

    std::optional<ClockProcess> m_window;
    QString m_id;
};

// The face stands whole and centred in the window, moves every second without leaving anything
// behind, and follows the window's size, also to other proportions.
TEST_F(WindowIdX, FaceStandsWholeInTheWindowMovesWithoutTrailsAndFollowsItsSize)
{
    // The clock starts at 10:20:30 and runs on.
    ASSERT_TRUE(clock->start({"--window-id", m_id}, "@" + kFrozenTime));
    ASSERT_EQ(area().size(), QSize(400, 300));
    // 400 x 300 is half of the 800 x 600 the face is laid out for.
    const QImage screen =
        waitForScreen([&](const QImage& image) { return faceIn(image, area(), 0.5); });
    EXPECT_TRUE(faceIn(screen, area(), 0.5)) << clock->output();
    EXPECT_TRUE(edgesBlack(screen, area()));
    ASSERT_NO_FATAL_FAILURE(expectMovesWithoutTrail(area(), kFaceCoverage));

    // No size of the window stops the clock, and the face follows the last; how a face fits
    // windows of other proportions is tested headless.
    for (const char* side : {"32767", "1", "400"})
        x->run("xdotool", {"windowsize", m_id, side, side});
    ASSERT_TRUE(waitFor([&] { return area().size() == QSize(400, 400); }));
    EXPECT_TRUE(waitFor([&] { return faceIn(x->screenshot(), area(), 0.5); })) << clock->output();
}

// A window destroyed at any moment, even as the run first takes hold of it, ends the run
// quietly; only one gone before the run ever saw it is said, as a window that is not there.
TEST_F(WindowIdX, WindowThatGoesAwayEndsTheRun)
{
    for (const int delayMs : {0, 10, 30, 100, 1000}) {
        SCOPED_TRACE(delayMs);
        if (delayMs) {
            ASSERT_NO_FATAL_FAILURE(openWindow());
        }
        nextRun();
        ASSERT_TRUE(clock->start({"--window-id", m_id}));
        QThread::msleep(delayMs);
        m_window->kill();
        ASSERT_TRUE(clock->endsWithin(kPromptEndMs)) << clock->output();
        EXPECT_TRUE(clock->exitCode() == 0 ||
                    clock->output().find("no window") != std::string::npos);
    }
}

// Input, the lock and the settings file belong to XScreenSaver and to the other runs. An
// embedded run, in the window XScreenSaver's variable names, in a window
// of its own or in the root window, beside a copy that holds the lock, still draws, whole and
// without the setup hint, which tells of a key it does not take; no input ends it; SIGTERM ends
// it at once and quietly; and it leaves the settings file as it found it, or, like any run,
// writes the default one when there is none.
TEST_F(WindowIdX, TakesNoInputNorLockAndEndsQuietlyOnTerm)
{
    const QByteArray settings = "ViewTime=1\r\n";
    ASSERT_TRUE(clock->writeFile(kSettingsName, settings));
    ASSERT_NO_FATAL_FAILURE(holdLock(clock->path("tmp/tikora-clock.lock")));
    const QString hexId = QString("0x%1").arg(m_id.toULong(), 0, 16);
    for (const QString mode : {"--window", "-root", "--root"}) {
        SCOPED_TRACE(mode.toStdString());
        const bool own = mode == "--window";
        // XScreenSaver names the window that "--root" means.
        clock->setEnvironment("XSCREENSAVER_WINDOW",
                              mode == "--root" ? std::optional<QString>(hexId) : std::nullopt);
        if (mode == "-root") {
            ASSERT_TRUE(QFile::remove(clock->path(kSettingsName)));
        }
        ASSERT_TRUE(clock->start({mode}));
        ASSERT_TRUE(!own || waitForWindow("tikora-clock")) << clock->output();
        const QRect inside = own               ? x->shownWindow("tikora-clock").value_or(QRect())
                             : mode == "-root" ? QRect(0, 0, 1024, 768)
                                               : area();
        EXPECT_TRUE(!own || inside.size() == QSize(800, 600));
        const double scale = inside == area() ? 0.5 : 1;
        const QImage screen =
            waitForScreen([&](const QImage& image) { return faceIn(image, inside, scale); });
        EXPECT_TRUE(faceIn(screen, inside, scale)) << clock->output();
        // The hint would stand in the bottom right corner, 2055 x 285 twips of the layout.
        const QRect hint(inside.bottomRight() - QPoint(136, 18) * scale, QSize(137, 19) * scale);
        EXPECT_EQ(PixelProbe::lit(screen, hint), 0);
        for (int i = 0; i < kIgnoredMoves + 3; ++i) {
            x->moveTo(inside.center() + QPoint(10 * i, 0));
            QThread::msleep(kMovePauseMs);
        }
        ASSERT_TRUE(clock->runsAfter(kStillRunningMs));
        // XScreenSaver ends a display program with SIGTERM, and wants it gone at once.
        constexpr int kTermEndMs = 500;
        clock->terminate();
        EXPECT_TRUE(clock->endsWithin(kTermEndMs));
        EXPECT_EQ(clock->exitCode(), 0);
        EXPECT_EQ(clock->output(), "");
        EXPECT_EQ(clock->readFile(kSettingsName),
                  mode.endsWith("root") ? kDefaultSettings : settings);
    }
}

using XScreenSaverX = XTest;

// XScreenSaver's daemon, run as an ordinary user whose ~/.xscreensaver lists only the clock,
// shows the clock in its window when it is told to blank the screen.
TEST_F(XScreenSaverX, ActivatedDaemonShowsTheClockInItsWindow)
{
    needOrdinaryUser("XScreenSaver refuses to run display programs as root");
    if (IsSkipped())
        return;
    clock->runAs(*user);
    // A copy of the clock in the home keeps its own settings beside itself.
    const QString program = clock->path("home/tikora-clock");
    ASSERT_TRUE(QFile::copy(TIKORA_CLOCK_PROGRAM, program));
    ASSERT_TRUE(clock->writeFile("home/.xscreensaver", "mode: one\nselected: 0\nlock: False\n"
                                                       "programs: \"Tikora Clock\" " +
                                                           program.toUtf8() + " --root \\n\n"));
    clock->setProgram("xscreensaver");
    ASSERT_TRUE(clock->start({"-no-splash"}));
    // The daemon answers commands once it has started.
    EXPECT_TRUE(waitFor([&] {
        x->run("xscreensaver-command", {"-activate"});
        return faceIn(x->screenshot(), {0, 0, 1024, 768}, 1);
    })) << clock->output();
}

} // namespace
