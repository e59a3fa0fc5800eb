#include "DesktopTest.h"

#include <QStandardPaths>
#include <QTemporaryDir>

#include <array>

// The clock embedded in a window it is given: a small window made by the test, as a preview
// is, and the window of the real XScreenSaver daemon.

namespace {

// In an embedded run the face is laid out for at least 800 x 600 pixels and scaled to fit; the
// centre circle is 1080 twips (72 layout pixels) wide.
constexpr double kCentreRadiusLayout = 36;
const std::array<QColor, 3> kGroupColours{QColor{255, 192, 192}, QColor{255, 128, 128},
                                          QColor{255, 0, 0}};

// Whether `pixel` is `colour` over black, covered at least 30 %: a face drawn at half its size
// has rims of one pixel that stand between two pixels of the screen.
bool tinted(QRgb pixel, const QColor& colour)
{
    constexpr double kMinimumCoverage = 0.3;
    constexpr double kTolerance = 16;
    const double coverage = (qRed(pixel) * colour.red() + qGreen(pixel) * colour.green() +
                             qBlue(pixel) * colour.blue()) /
                            double(colour.red() * colour.red() + colour.green() * colour.green() +
                                   colour.blue() * colour.blue());
    return coverage >= kMinimumCoverage &&
           std::abs(qRed(pixel) - coverage * colour.red()) <= kTolerance &&
           std::abs(qGreen(pixel) - coverage * colour.green()) <= kTolerance &&
           std::abs(qBlue(pixel) - coverage * colour.blue()) <= kTolerance;
}

bool tintedNear(const QImage& image, QPoint point, const QColor& colour)
{
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            if (image.valid(point + QPoint(dx, dy)) &&
                tinted(image.pixel(point + QPoint(dx, dy)), colour))
                return true;
        }
    }
    return false;
}

// A face stands in `area`: its centre circle's rim, `scale` of its layout size, around the
// area's centre, and pixels of each group's colour.
bool faceIn(const QImage& image, const QRect& area, double scale)
{
    const QPoint rim = area.center() - QPoint(int(kCentreRadiusLayout * scale) - 1, 0);
    if (!tintedNear(image, rim, kGroupColours[0]))
        return false;
    return std::all_of(kGroupColours.begin(), kGroupColours.end(), [&](const QColor& colour) {
        return PixelProbe::count(image, area, colour) >= 10;
    });
}

// The pixels just inside the edges of `area`: black when nothing of the face is cut off.
bool edgesBlack(const QImage& image, const QRect& area)
{
    const QRect inner = area.adjusted(1, 1, -1, -1);
    for (const QRect& edge : {QRect(inner.topLeft(), QSize(inner.width(), 1)),
                              QRect(inner.bottomLeft(), QSize(inner.width(), 1)),
                              QRect(inner.topLeft(), QSize(1, inner.height())),
                              QRect(inner.topRight(), QSize(1, inner.height()))}) {
        if (PixelProbe::litShare(image, edge) > 0)
            return false;
    }
    return true;
}

class WindowIdX : public DesktopTest {
protected:
    static constexpr QSize kPreview{400, 300};

    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(DesktopTest::SetUp());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", x->display());
        m_window.setProcessEnvironment(environment);
        m_window.start("xmessage", {"-geometry", "400x300+100+100", "preview"});
        ASSERT_TRUE(m_window.waitForStarted()) << "xmessage (x11-utils) is needed";
        ASSERT_TRUE(waitFor([&] { return x->windowId("xmessage") != 0; }));
        m_id = x->windowId("xmessage");
    }
    void TearDown() override
    {
        m_window.kill();
        m_window.waitForFinished();
    }
    // The inside of the given window; xwininfo places it with its border of one pixel.
    QRect windowArea() const
    {
        return x->shownWindow("xmessage").value_or(QRect()).translated(1, 1);
    }

    QProcess m_window;
    unsigned long m_id = 0;
};

TEST_F(WindowIdX, FaceStandsWholeAndCentredInTheWindowAndFollowsItsSize)
{
    ASSERT_TRUE(clock->start({"--window-id", QString("0x%1").arg(m_id, 0, 16)}, kFrozenTime));
    QRect area = windowArea();
    ASSERT_EQ(area.size(), kPreview);
    // 400 x 300 is half of the 800 x 600 the face is laid out for.
    QImage screen = waitForScreen([&](const QImage& image) { return faceIn(image, area, 0.5); });
    EXPECT_TRUE(faceIn(screen, area, 0.5)) << clock->output();
    EXPECT_TRUE(edgesBlack(screen, area));

    x->run("xdotool", {"windowsize", QString::number(m_id), "600", "450"});
    ASSERT_TRUE(waitFor([&] { return windowArea().size() == QSize(600, 450); }));
    area = windowArea();
    screen = waitForScreen([&](const QImage& image) { return faceIn(image, area, 0.75); });
    EXPECT_TRUE(faceIn(screen, area, 0.75));
    EXPECT_TRUE(edgesBlack(screen, area));
}

// Input, the lock and the settings file belong to the program that gives the window and to
// the other runs: an embedded run beside a copy that holds the lock still draws, no input ends it,
// and it leaves the settings file as it found it.
TEST_F(WindowIdX, TakesNoInputNorLockAndEndsQuietlyOnTerm)
{
    const QByteArray settings = "ViewTime=1\r\n";
    QFile file(clock->path(kSettingsName));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(settings) == settings.size());
    file.close();
    ASSERT_TRUE(QDir().mkpath(clock->path("tmp")));
    QProcess lockHolder;
    lockHolder.start("flock", {"--nonblock", clock->path("tmp/tikora-clock.lock"), "sleep", "30"});
    ASSERT_FALSE(lockHolder.waitForFinished(300)) << "flock (util-linux) is needed";
    ASSERT_TRUE(clock->start({"-window-id", QString::number(m_id)}));
    const QRect area = windowArea();
    ASSERT_TRUE(waitFor([&] { return faceIn(x->screenshot(), area, 0.5); })) << clock->output();
    for (int i = 0; i < 8; ++i) {
        x->moveTo(area.center() + QPoint(10 * i, 0));
        QThread::msleep(kMovePauseMs);
    }
    ASSERT_TRUE(clock->runsAfter(kStillRunningMs));
    // XScreenSaver ends a display program with SIGTERM, and wants it gone at once.
    constexpr int kTermEndMs = 500;
    clock->terminate();
    EXPECT_TRUE(clock->endsWithin(kTermEndMs));
    EXPECT_EQ(clock->exitCode(), 0);
    EXPECT_EQ(clock->output(), "");
    EXPECT_EQ(clock->readFile(kSettingsName), settings);
    lockHolder.kill();
    lockHolder.waitForFinished();
}

TEST_F(WindowIdX, WindowThatDoesNotExistIsSaidInOneLine)
{
    ASSERT_TRUE(clock->start({"--window-id", "0x7ffffff0"}));
    ASSERT_TRUE(clock->endsWithin(kPromptEndMs));
    EXPECT_EQ(clock->exitCode(), 1);
    const std::string output = clock->output();
    EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 1) << output;
}

// XScreenSaver, run as a user of its own with only the clock in its list, shows the clock in
// its window when it is told to blank the screen.
struct OwnWindowCase {
    const char* name;
    const char* switchText;
    // The window's title, or none for the root window.
    const char* title;
};

class OwnWindowX : public DesktopTest, public ::testing::WithParamInterface<OwnWindowCase> {};

// Without a window given, the clock draws in a window of its own or covers the root window.
TEST_P(OwnWindowX, FaceFillsTheWindowAndTermEndsItQuietly)
{
    clock->setEnvironment("XSCREENSAVER_WINDOW", std::nullopt);
    ASSERT_TRUE(clock->start({GetParam().switchText}));
    QRect area(0, 0, 1024, 768);
    if (GetParam().title) {
        ASSERT_TRUE(waitForWindow(GetParam().title)) << clock->output();
        area = x->shownWindow(GetParam().title).value_or(QRect());
        EXPECT_EQ(area.size(), QSize(800, 600));
    }
    QImage screen;
    EXPECT_TRUE(waitFor([&] { return faceIn(screen = x->screenshot(), area, 1); }))
        << clock->output();
    // The setup hint, 2055 x 285 twips in the bottom right corner, tells of a key that an embedded
    // clock does not take, so it is not shown.
    const QRect hint(area.bottomRight() - QPoint(136, 18), QSize(137, 19));
    EXPECT_EQ(PixelProbe::litShare(screen, hint), 0);
    clock->terminate();
    EXPECT_TRUE(clock->endsWithin(kPromptEndMs));
    EXPECT_EQ(clock->exitCode(), 0);
    // Like any run, an embedded one writes the default file when there is none.
    EXPECT_EQ(clock->readFile(kSettingsName), kDefaultSettings);
}

INSTANTIATE_TEST_SUITE_P(Cases, OwnWindowX,
                         ::testing::Values(OwnWindowCase{"Window", "--window", "tikora-clock"},
                                           OwnWindowCase{"Root", "-root", nullptr}),
                         [](const auto& info) { return std::string(info.param.name); });

// XScreenSaver's daemon, run as an ordinary user whose ~/.xscreensaver lists only the clock.
class XScreenSaverX : public DesktopTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(DesktopTest::SetUp());
        QString why;
        m_user = OrdinaryUser::get(why);
        if (!m_user)
            GTEST_SKIP() << "XScreenSaver refuses to run display programs as root, and "
                         << why.toStdString();
        ASSERT_FALSE(QStandardPaths::findExecutable("xscreensaver").isEmpty())
            << "xscreensaver is needed";
        ASSERT_NO_FATAL_FAILURE(makeHome());
        m_environment.insert("DISPLAY", x->display());
        m_environment.insert("HOME", clock->path("home"));
        m_environment.insert("XDG_RUNTIME_DIR", clock->path("home"));
    }
    void TearDown() override
    {
        m_daemon.terminate();
        m_daemon.waitForFinished();
    }
    // A home with the settings file and a copy of the clock, which keeps its own settings and
    // its lock beside itself.
    void makeHome()
    {
        const QString home = clock->path("home");
        ASSERT_TRUE(QDir().mkpath(home));
        const QString program = clock->path("home/tikora-clock");
        ASSERT_TRUE(QFile::copy(TIKORA_CLOCK_PROGRAM, program));
        QFile settings(clock->path("home/.xscreensaver"));
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write("mode: one\nselected: 0\nlock: False\nfade: False\nunfade: False\n"
                       "splash: False\ndpmsEnabled: False\ntimeout: 1:00:00\n"
                       "programs: \"Tikora Clock\" " +
                       program.toUtf8() + " --root \\n\n");
        settings.close();
        m_user->give(home);
        // The user passes through the run's folder to the home in it.
        QFile::setPermissions(clock->folder(), QFile::permissions(clock->folder()) |
                                                   QFile::ExeOther | QFile::ExeGroup);
    }
    void startAsUser(QProcess& process, const QString& program, const QStringList& arguments)
    {
        QStringList command = m_user->command(program, arguments);
        process.setProcessEnvironment(m_environment);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(command.takeFirst(), command);
    }
    bool activate()
    {
        QProcess command;
        startAsUser(command, "xscreensaver-command", {"-activate"});
        return command.waitForFinished() && command.exitCode() == 0;
    }

    std::optional<OrdinaryUser> m_user;
    QProcessEnvironment m_environment = QProcessEnvironment::systemEnvironment();
    QProcess m_daemon;
};

TEST_F(XScreenSaverX, ActivatedDaemonShowsTheClockInItsWindow)
{
    startAsUser(m_daemon, "xscreensaver", {"-no-splash"});
    ASSERT_TRUE(m_daemon.waitForStarted());
    // The daemon answers commands once it has started.
    ASSERT_TRUE(waitFor([&] { return activate(); })) << m_daemon.readAll().toStdString();
    const QRect screenArea(0, 0, 1024, 768);
    const QImage screen =
        waitForScreen([&](const QImage& image) { return faceIn(image, screenArea, 1); });
    EXPECT_TRUE(faceIn(screen, screenArea, 1)) << m_daemon.readAll().toStdString();
}

} // namespace
