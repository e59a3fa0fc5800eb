#include "DesktopTest.h"

#include <QRegularExpression>

// Two monitors, as two X screens: the clock stands on the first, the primary one, and the
// second is covered in black; input on either ends the run.

namespace {

const QPoint kCentreRim{476, 384};
const QRect kSecondScreen{0, 0, 800, 600};

class MonitorsX : public DesktopTest {
protected:
    void SetUp() override
    {
        // White roots show any part of a screen that no window covers.
        x = std::make_unique<XDriver>(QStringList{"1024x768x24", "800x600x24"}, true);
        ASSERT_FALSE(x->display().isEmpty()) << "Xvfb could not be started; is it installed?";
        clock = std::make_unique<ClockProcess>(x->display());
    }
    // Starts the clock and waits until it stands on the first screen and the second is black.
    void start(const QString& mode)
    {
        ASSERT_TRUE(clock->start({mode}));
        ASSERT_TRUE(waitForColour(kCentreRim, kSeconds)) << clock->output();
        const auto black = [](const QImage& image) {
            return PixelProbe::litShare(image, kSecondScreen) == 0;
        };
        ASSERT_TRUE(waitFor([&] { return black(x->screenshot(1)); }));
    }
    // The window that covers the second screen.
    QString coverId() const
    {
        const QString tree =
            x->run("xwininfo", {"-display", x->display() + ".1", "-root", "-children"});
        const QRegularExpression cover(R"((0x[0-9a-f]+) .*800x600\+0\+0)");
        return cover.match(tree).captured(1);
    }
};

TEST_F(MonitorsX, KeyOnTheSecondScreenEndsTheRun)
{
    ASSERT_NO_FATAL_FAILURE(start("/s"));
    const QString cover = coverId();
    ASSERT_FALSE(cover.isEmpty());
    x->run("xdotool", {"windowfocus", "--sync", cover});
    x->key("a");
    EXPECT_TRUE(clock->endsWithin(kPromptEndMs));
}

TEST_F(MonitorsX, KeyOnTheFirstScreenEndsTheRun)
{
    ASSERT_NO_FATAL_FAILURE(start("/s"));
    x->key("a");
    EXPECT_TRUE(clock->endsWithin(kPromptEndMs));
}

TEST_F(MonitorsX, MovesOnTheSecondScreenCountAsTheClocksOwn)
{
    ASSERT_NO_FATAL_FAILURE(start("/s"));
    for (int i = 0; i < 5; ++i) {
        x->run("xdotool", {"mousemove", "--screen", "1", QString::number(100 + 20 * i), "300"});
        QThread::msleep(kMovePauseMs);
    }
    ASSERT_TRUE(clock->runsAfter(kStillRunningMs));
    x->run("xdotool", {"mousemove", "--screen", "1", "400", "400"});
    EXPECT_TRUE(clock->endsWithin(kPromptEndMs));
}

// The dialog stands at the top left of the primary screen, and moves over the second screen
// only bring it to the front, as over the clock.
TEST_F(MonitorsX, ConfigureRunKeepsTheDialogOnThePrimaryScreen)
{
    ASSERT_NO_FATAL_FAILURE(start("/c"));
    ASSERT_TRUE(waitForWindow("Options"));
    EXPECT_EQ(x->shownWindow("Options"), QRect(3, 3, 177, 458));
    for (int i = 0; i < 8; ++i) {
        x->run("xdotool", {"mousemove", "--screen", "1", QString::number(100 + 20 * i), "300"});
        QThread::msleep(kMovePauseMs);
    }
    EXPECT_TRUE(clock->runsAfter(kStillRunningMs));
}

using MonitorChangeX = DesktopTest;

// A monitor that comes while the clock runs gets a black window, and loses it when it goes.
// Xvfb's RandR lets a test add a monitor over the top left quarter of its one screen, where
// the hours circle stands at 10:20:30.
TEST_F(MonitorChangeX, MonitorAddedAndRemovedGetsAndLosesItsCover)
{
    const QPoint hoursRim = pixel(5859.2 + 15, 4145.2 + 540);
    ASSERT_TRUE(clock->start({"/s"}, kFrozenTime));
    ASSERT_TRUE(waitForColour(hoursRim, kHours)) << clock->output();
    x->run("xrandr", {"--setmonitor", "added", "512/135x384/100+0+0", "none"});
    EXPECT_TRUE(waitForColour(hoursRim, Qt::black));
    x->run("xrandr", {"--delmonitor", "added"});
    EXPECT_TRUE(waitForColour(hoursRim, kHours));
    EXPECT_TRUE(clock->runsAfter(0));
}

} // namespace
