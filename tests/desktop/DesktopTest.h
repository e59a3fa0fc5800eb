#pragma once

#include "ClockProcess.h"
#include "PixelProbe.h"
#include "XDriver.h"

#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// Each test gets an X display of its own and a fresh copy of the program (not started yet).
class DesktopTest : public ::testing::Test {
public:
    // A screen pixel from twips.
    static QPoint pixel(double x, double y) { return {int(x / 15), int(y / 15)}; }
    // A point of the settings dialog, whose client area stands 50 twips from the screen's
    // corner, in twips of that area, as a screen pixel a little inside the widget that starts
    // there.
    static QPoint inDialog(double x, double y) { return pixel(50 + x + 150, 50 + y + 120); }
    static QPoint inDialog(QPoint twips) { return inDialog(twips.x(), twips.y()); }
    // The same for the picture chooser, which stands right of the dialog's 2655 twips.
    static QPoint inChooser(double x, double y) { return inDialog(2655 + x, y); }

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
    static inline const QString kFrozenTime = "2026-12-06 10:20:30";
    static inline const QString kSettingsName = "Tikora_Clock.ini";
    static inline const QByteArray kDefaultSettings =
        "ViewTime=0\r\nShapeWidth=0\r\nPicCenter=Default\r\nSlideShowTime=0\r\nLocalisation=1\r\n"
        "Back=0\r\nHColor=255\r\nMColor=8421631\r\nSColor=12632319\r\nCColor=0\r\nHSize=30\r\n"
        "FName=Tahoma\r\nClock2=0\r\n";
    static inline const QColor kHours{255, 0, 0};
    static inline const QColor kMinutes{255, 128, 128};
    static inline const QColor kSeconds{255, 192, 192};

    void SetUp() override
    {
        x = std::make_unique<XDriver>();
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
    // Moves the pointer `count` times over the clock, right of the dialog, each time elsewhere.
    void moveOverClock(int count)
    {
        for (int i = 0; i < count; ++i, ++m_moves) {
            x->moveTo({600 + 20 * m_moves, 600});
            QThread::msleep(kMovePauseMs);
        }
    }

    std::unique_ptr<XDriver> x;
    std::unique_ptr<ClockProcess> clock;

private:
    int m_moves = 0;
};
