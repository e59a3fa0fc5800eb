#pragma once

#include "ClockProcess.h"
#include "PixelProbe.h"
#include "XDriver.h"

#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

// Each test gets an X display of its own and a fresh copy of the program (not started yet).
class DesktopTest : public ::testing::Test {
public:
    // A screen pixel from twips.
    static QPoint pixel(double x, double y) { return {int(x / 15), int(y / 15)}; }
    // A point of the settings dialog, whose client area stands 50 twips from the screen's
    // corner, in twips of that area, as a screen pixel a little inside the widget that starts
    // there.
    static QPoint inDialog(QPointF at) { return pixel(50 + at.x() + 150, 50 + at.y() + 120); }
    // The same for the picture chooser, which stands right of the dialog's 2655 twips.
    static QPoint inChooser(QPointF at) { return inDialog(at + QPointF(2655, 0)); }
    static inline const QByteArray kDefaultSettings =
        "ViewTime=0\r\nShapeWidth=0\r\nPicCenter=Default\r\nSlideShowTime=0\r\nLocalisation=1\r\n"
        "Back=0\r\nHColor=255\r\nMColor=8421631\r\nSColor=12632319\r\nCColor=0\r\nHSize=30\r\n"
        "FName=Tahoma\r\nClock2=0\r\n";
    static inline const QColor kHours{255, 0, 0};
    static inline const QColor kMinutes{255, 128, 128};
    static inline const QColor kSeconds{255, 192, 192};
    // The settings dialog's and the chooser's background.
    static inline const QColor kDialogColour{239, 239, 239};

protected:
#ifdef TIKORA_SANITIZED_PROGRAM
    // A program built with the sanitizers starts and answers several times slower.
    static constexpr int kSlowdown = 4;
#else
    static constexpr int kSlowdown = 1;
#endif
    static constexpr int kWaitMs = 5000 * kSlowdown;
    static constexpr int kPromptEndMs = 2000 * kSlowdown;
    static constexpr int kStillRunningMs = 1000 * kSlowdown;
    static constexpr int kPollPauseMs = 50;
    // Separate movements must reach the program as separate events, not merged into one.
    static constexpr int kMovePauseMs = 150;
    // Movements that the program ignores before the next one ends the run.
    static constexpr int kIgnoredMoves = 5;
    static inline const QString kFrozenTime = "2026-12-06 10:20:30";
    // The clock starts at 10:20:30 and runs on.
    static inline const QString kRunningTime = "@2026-12-06 10:20:30";
    static inline const QString kSettingsName = "Tikora_Clock.ini";
    // The centre circle's left rim on a 1024 x 768 screen, which shows as soon as a face stands.
    static constexpr QPoint kCentreRim{476, 384};
    // Places of the settings dialog's buttons in its client area, in twips: the frame's place
    // in the dialog plus the widget's place in the frame.
    static constexpr QPoint kEqualSize = QPoint{120, 1440} + QPoint{120, 510};
    static constexpr QPoint kSave{120, 5880};
    static constexpr QPoint kCancel{1560, 5880};

    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(useScreens({"1024x768x24"}));
    }
    // A display of screens of the given sizes, for a fresh copy of the program; white roots show
    // what no window covers.
    void useScreens(const QStringList& screens, bool whiteRoots = false)
    {
        clock.reset();
        x = std::make_unique<XDriver>(screens, whiteRoots);
        ASSERT_FALSE(x->display().isEmpty()) << "Xvfb could not be started; is it installed?";
        clock = std::make_unique<ClockProcess>(x->display());
    }
    // A sanitizer's report in the program's output fails the test, even when the run ended
    // as the test wanted.
    void TearDown() override
    {
        if (clock) {
            const std::string output = clock->output();
            EXPECT_EQ(output.find("Sanitizer"), std::string::npos) << output;
            EXPECT_EQ(output.find("runtime error:"), std::string::npos) << output;
        }
    }

    // The default settings file with the given "Key=value" lines, apart by "\n", in place.
    static QByteArray settingsWith(const QString& lines)
    {
        QByteArray settings = kDefaultSettings;
        for (const QByteArray& line : lines.toUtf8().split('\n')) {
            const qsizetype at = settings.indexOf("\n" + line.left(line.indexOf('=') + 1)) + 1;
            settings.replace(at, settings.indexOf('\r', at) - at, line);
        }
        return settings;
    }
    // Starts the clock and waits for its face.
    void startClock(const QStringList& switches = {"/s"}, const QString& time = {})
    {
        ASSERT_TRUE(clock->start(switches, time));
        ASSERT_TRUE(waitForColour(kCentreRim, kSeconds)) << clock->output();
    }
    // Runs "/c", by default at 10:20:30, and waits for the settings dialog.
    void startConfiguring(const QString& time = kFrozenTime)
    {
        ASSERT_TRUE(clock->start({"/c"}, time));
        ASSERT_TRUE(waitForWindow("Options")) << clock->output();
    }

    // Whether `done` holds, asked again and again until it does or time runs out.
    static bool waitFor(const std::function<bool()>& done)
    {
        QElapsedTimer time;
        for (time.start(); !done(); QThread::msleep(kPollPauseMs)) {
            if (time.elapsed() >= kWaitMs)
                return false;
        }
        return true;
    }
    // The screenshot for which `test` first holds, or the last one when time runs out.
    QImage waitForScreen(const std::function<bool(const QImage&)>& test) const
    {
        QImage screen;
        waitFor([&] { return test(screen = x->screenshot()); });
        return screen;
    }
    bool waitForColour(QPoint point, const QColor& colour) const
    {
        return waitFor([&] { return PixelProbe::near(x->screenshot(), point, colour); });
    }
    bool waitForWindow(const QString& title) const
    {
        return waitFor([&] { return x->shownWindow(title).has_value(); });
    }
    // Moves the pointer `count` times over the clock, right of the dialog, or over another
    // screen, each time elsewhere.
    void moveOverClock(int count, int screen = 0)
    {
        for (int i = 0; i < count; ++i, ++m_moves) {
            x->run("xdotool", {"mousemove", "--screen", QString::number(screen),
                               QString::number(200 + 20 * m_moves), "500"});
            QThread::msleep(kMovePauseMs);
        }
    }
    // Whether the X server draws the pointer now, wherever it stands.
    bool pointerShown() const
    {
        const QByteArray answer = x->run(TIKORA_CURSOR_PROBE, {}).trimmed();
        EXPECT_TRUE(answer == "visible" || answer == "hidden") << "no XFixes";
        return answer == "visible";
    }

    // Watches the face in `area` change from second to second and expects its seconds group,
    // counted at `coverage`, to keep its size: what a repaint misses stays behind as a trail.
    // Only the group's figure and antialiasing change from one second to the next.
    void expectMovesWithoutTrail(const QRect& area, double coverage = PixelProbe::kCoverage)
    {
        constexpr int kSecondsWatched = 5;
        constexpr double kSpread = 1.25;
        QImage face = x->screenshot().copy(area);
        std::vector<int> pixels;
        for (int second = 0; second < kSecondsWatched; ++second) {
            const QImage before = face;
            face = waitForScreen([&](const QImage& image) {
                       return image.copy(area) != before;
                   }).copy(area);
            ASSERT_NE(face, before) << "the face stood still after " << second << " changes";
            pixels.push_back(PixelProbe::count(face, face.rect(), kSeconds, coverage));
        }
        const auto [fewest, most] = std::minmax_element(pixels.begin(), pixels.end());
        EXPECT_LE(*most, *fewest * kSpread) << "trails: " << ::testing::PrintToString(pixels);
    }

    // Holds an exclusive lock on `file` from another process for the rest of the test.
    void holdLock(const QString& file)
    {
        QDir().mkpath(QFileInfo(file).path());
        m_lockHolder.start("flock", {"--nonblock", file, "sleep", "30"});
        ASSERT_TRUE(m_lockHolder.waitForStarted()) << "flock (util-linux) is needed";
        ASSERT_FALSE(m_lockHolder.waitForFinished(300)) << "the lock was not held";
    }
    // Runs the clock as the ordinary user, with a home of their own in the run's folder, or
    // skips the test, since `need`, when there is no such user.
    void runAsOrdinaryUser(const std::string& need)
    {
        QString why;
        const auto user = OrdinaryUser::get(why);
        if (!user)
            GTEST_SKIP() << need << ", and " << why.toStdString();
        ASSERT_TRUE(QDir().mkpath(clock->path("home")));
        clock->runAs(*user);
        clock->setEnvironment("HOME", clock->path("home"));
        clock->setEnvironment("XDG_CONFIG_HOME", std::nullopt);
    }

    std::unique_ptr<XDriver> x;
    std::unique_ptr<ClockProcess> clock;

private:
    int m_moves = 0;
    QProcess m_lockHolder;
};
