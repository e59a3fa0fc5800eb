#pragma once

#include "PixelProbe.h"
#include "SessionDriver.h"
#include "WorkedExamples.h"

#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

// What every test of the real program needs, whatever session it runs in: a fresh copy of the
// program (not started yet), its settings file, the face's colours, and waiting for what the
// screen shows. The X11 and the Wayland fixture each give it a session of its own.
class SessionTest : public ::testing::Test {
public:
    // A screen pixel from twips.
    static QPoint pixel(double x, double y) { return {int(x / 15), int(y / 15)}; }
    static inline const QByteArray kDefaultSettings =
        QByteArray::fromStdString(worked::kDefaultSettings);
    static inline const QColor kHours{255, 0, 0};
    static inline const QColor kMinutes{255, 128, 128};
    static inline const QColor kSeconds{255, 192, 192};
    // The settings dialog's and the chooser's background.
    static inline const QColor kDialogColour{239, 239, 239};

protected:
    // How many times slower a program built with the sanitizers starts and answers.
    static constexpr int kSlowdown = TIKORA_SLOWDOWN;
    static constexpr int kWaitMs = 5000 * kSlowdown;
    static constexpr int kPromptEndMs = 2000 * kSlowdown;
    static constexpr int kStillRunningMs = 1000 * kSlowdown;
    static constexpr int kPollPauseMs = 50;
    // Separate movements must reach the program as separate events, not merged into one.
    static constexpr int kMovePauseMs = 150;
    // Movements that the program ignores before the next one ends the run.
    static constexpr int kIgnoredMoves = 5;
    static inline const QString kFrozenTime = "2026-12-06 10:20:30";
    static inline const QString kSettingsName = "Tikora_Clock.ini";
    // The centre circle's left rim on a 1024 x 768 screen, which shows as soon as a face stands.
    static constexpr QPoint kCentreRim{476, 384};
    // A face drawn at half its size has rims of one pixel that stand between two pixels of the
    // screen, so that a pixel of a rim may be its colour only 30 % over black; faces drawn to
    // scale are matched alike.
    static constexpr double kFaceCoverage = 0.3;
    // Most of the settings dialog, 177 x 458 pixels, in its colour.
    static constexpr int kDialogPixels = 40000;

    virtual const SessionDriver& session() const = 0;

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
    // Finds the ordinary user that a run or a session needs, or skips the test, telling what
    // needs the user; callers return when IsSkipped().
    void needOrdinaryUser(const char* needs)
    {
        QString why;
        if (!(user = OrdinaryUser::get(why)))
            GTEST_SKIP() << needs << ", and " << why.toStdString();
    }
    // Checks what the run so far wrote and gives the test a fresh copy of the program.
    void nextRun()
    {
        TearDown();
        clock = session().newRun();
    }

    // The default settings file with the given "Key=value" lines, apart by "\n", in place.
    static QByteArray settingsWith(const QString& lines)
    {
        std::vector<std::string> changed;
        for (const QString& line : lines.split('\n'))
            changed.push_back(line.toStdString());
        return QByteArray::fromStdString(worked::settingsWith(changed));
    }
    // Starts the clock and waits for its face.
    void startClock(const QStringList& switches = {"/s"}, const QString& time = {})
    {
        ASSERT_TRUE(clock->start(switches, time));
        ASSERT_TRUE(waitForColour(kCentreRim, kSeconds)) << clock->output();
    }

    // Whether `done` holds, asked again and again until it does or `timeoutMs` have passed.
    static bool waitFor(const std::function<bool()>& done, int timeoutMs = kWaitMs)
    {
        QElapsedTimer time;
        for (time.start(); !done(); QThread::msleep(kPollPauseMs)) {
            if (time.elapsed() >= timeoutMs)
                return false;
        }
        return true;
    }
    // The screenshot for which `test` first holds, or the last one when time runs out.
    QImage waitForScreen(const std::function<bool(const QImage&)>& test) const
    {
        QImage screen;
        waitFor([&] { return test(screen = session().screenshot()); });
        return screen;
    }
    bool waitForColour(QPoint point, const QColor& colour) const
    {
        return waitFor([&] { return PixelProbe::near(session().screenshot(), point, colour); });
    }
    // Whether a face stands in `area`: its centre circle's rim, `scale` of its size in a layout
    // of at least 800 x 600 pixels, around the area's centre, and pixels of each group's colour.
    static bool faceIn(const QImage& image, const QRect& area, double scale)
    {
        // The centre circle is 1080 twips (72 layout pixels) wide.
        const QPoint rim = area.center() - QPoint(int(36 * scale) - 1, 0);
        const QColor colours[] = {kSeconds, kMinutes, kHours};
        return PixelProbe::near(image, rim, colours[0], 2, kFaceCoverage) &&
               std::all_of(std::begin(colours), std::end(colours), [&](const QColor& colour) {
                   return PixelProbe::count(image, area, colour, kFaceCoverage) >= 10;
               });
    }
    // How many pixels of the first screen are of the dialogs' colour.
    int dialogPixels() const
    {
        const QImage screen = session().screenshot();
        return PixelProbe::count(screen, screen.rect(), kDialogColour);
    }

    // Watches the face in `area` change from second to second and expects its seconds group,
    // counted at `coverage`, to keep its size: what a repaint misses stays behind as a trail.
    // Only the group's figure and antialiasing change from one second to the next.
    void expectMovesWithoutTrail(const QRect& area, double coverage = PixelProbe::kCoverage)
    {
        constexpr int kSecondsWatched = 5;
        constexpr double kSpread = 1.25;
        QImage face = session().screenshot().copy(area);
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

    std::unique_ptr<ClockProcess> clock;
    std::optional<OrdinaryUser> user;
};
