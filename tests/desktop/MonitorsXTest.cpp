#include "XTest.h"

// Two monitors, as two X screens: the clock stands on the first, the primary one, and the
// second is covered in black; input on either ends the run, unless "Options" is open.

namespace {

const QStringList kScreens = {"1024x768x24", "800x600x24"};
const QRect kSecondScreen{0, 0, 800, 600};
constexpr QRect kDialogArea{3, 3, 177, 458};
// The dialog is light; its captions are the few dark pixels on it.
constexpr double kLitDialog = 0.8;
constexpr double kAllLit = 0.997;

class MonitorsX : public XTest {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(useScreens(kScreens, true)); }
    // Starts the clock and waits until it stands on the first screen and the second is black.
    void start(const QString& mode)
    {
        ASSERT_NO_FATAL_FAILURE(startClock({mode}));
        ASSERT_TRUE(waitFor([&] { return PixelProbe::lit(x->screenshot(1), kSecondScreen) == 0; }));
    }
};

// Input over the clock and over the cover of the second screen counts alike: five moves keep the
// run and the sixth ends it. The pointer is hidden on both.
TEST_F(MonitorsX, InputOnEitherScreenCountsAsTheClocksOwn)
{
    ASSERT_NO_FATAL_FAILURE(start("/s"));
    moveOverClock(3);
    EXPECT_FALSE(pointerShown()) << "over the clock";
    moveOverClock(kIgnoredMoves - 3, 1);
    EXPECT_FALSE(pointerShown()) << "over the cover";
    ASSERT_TRUE(clock->runsAfter(kStillRunningMs));
    moveOverClock(1);
    EXPECT_TRUE(clock->endsWithin(kPromptEndMs));
}

// "Options", opened by "/c" or by key 1 over the clock, stands at the top left of the primary
// screen with its captions and the pointer on it, and moves over the clock or the second screen
// only bring it to the front.
TEST_F(MonitorsX, DialogStandsAtTheTopLeftOfThePrimaryScreenAndKeepsTheRun)
{
    for (const QString mode : {"/c", "/s"}) {
        SCOPED_TRACE(mode.toStdString());
        ASSERT_NO_FATAL_FAILURE(start(mode));
        if (mode == "/s")
            x->key("1");
        ASSERT_TRUE(waitForWindow("Options"));
        EXPECT_EQ(x->shownWindow("Options"), kDialogArea);
        const auto lit = [](const QImage& image) {
            return PixelProbe::lit(image, kDialogArea) / (177.0 * 458);
        };
        const double share =
            lit(waitForScreen([&](const QImage& image) { return lit(image) > kLitDialog; }));
        EXPECT_GT(share, kLitDialog);
        EXPECT_LT(share, kAllLit) << "no dark captions";
        EXPECT_TRUE(x->run("xdotool", {"getmouselocation"}).startsWith("x:143 y:53 "));
        moveOverClock(kIgnoredMoves, 1);
        moveOverClock(3);
        EXPECT_TRUE(clock->runsAfter(kStillRunningMs));
        clock->kill();
    }
}

} // namespace
