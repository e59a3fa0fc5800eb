#include "DesktopTest.h"
#include "SwayDriver.h"

// The program in a Wayland session, on a headless sway: it chooses Wayland itself, covers
// every output, shows its dialogs over the full-screen clock, takes keys in them, ends on a key
// and prints nothing. The session has no pointer, so the pointer's rules are tested on X11 alone.

namespace {

// Most of the settings dialog, 177 x 458 pixels, in its colour.
constexpr int kDialogPixels = 40000;

class Sway : public DesktopTest {
protected:
    void SetUp() override {}

    // Starts sway with an output of `resolution` and `scale`, and the clock in it with
    // `switches`.
    void startInSession(const QString& resolution, int scale = 1,
                        const QStringList& switches = {"/s"})
    {
        QString why;
        const auto user = OrdinaryUser::get(why);
        if (!user)
            GTEST_SKIP() << "sway runs as an ordinary user, and " << why.toStdString();
        sway = std::make_unique<SwayDriver>(*user, resolution, scale);
        ASSERT_TRUE(sway->ready()) << "sway could not be started; is it installed?";
        clock = std::make_unique<ClockProcess>(QString());
        runAsOrdinaryUser("sway runs as an ordinary user");
        clock->setEnvironment("DISPLAY", std::nullopt);
        clock->setEnvironment("QT_QPA_PLATFORM", std::nullopt);
        clock->setEnvironment("WAYLAND_DISPLAY", sway->socket());
        // libfaketime cannot set itself up for another user, so the clock runs on.
        ASSERT_TRUE(clock->start(switches));
    }
    bool faceAt(int scale)
    {
        return waitFor(
            [&] { return PixelProbe::near(sway->screenshot(), kCentreRim * scale, kSeconds); });
    }
    int dialogPixels() const
    {
        const QImage screen = sway->screenshot();
        return PixelProbe::count(screen, screen.rect(), kDialogColour);
    }

    std::unique_ptr<SwayDriver> sway;
};

TEST_F(Sway, ClockCoversEveryOutputShowsItsDialogsOverItAndEndsOnAKeyWithoutAWord)
{
    ASSERT_NO_FATAL_FAILURE(startInSession("1024x768"));
    ASSERT_TRUE(faceAt(1)) << clock->output();
    sway->swaymsg({"create_output"});
    EXPECT_TRUE(waitFor([&] {
        const QImage second = sway->screenshot("HEADLESS-2");
        return !second.isNull() && PixelProbe::lit(second, second.rect()) == 0;
    })) << "the second output is not black";

    sway->key("a");
    ASSERT_TRUE(clock->endsWithin(kPromptEndMs));
    EXPECT_EQ(clock->output(), "");

    // Sway gives no window opened over a full-screen one the keyboard, so these keys reach
    // "Options" through the clock: "Choose" is the seventh stop of its tab order.
    ASSERT_TRUE(clock->start({"/s"}));
    ASSERT_TRUE(faceAt(1));
    sway->key("1");
    ASSERT_TRUE(waitFor([&] { return dialogPixels() > kDialogPixels; }))
        << "\"Options\" is not shown over the clock";
    const int options = dialogPixels();
    for (int stop = 0; stop < 7; ++stop)
        sway->key("Tab");
    sway->key("space");
    EXPECT_TRUE(waitFor([&] { return dialogPixels() > options + kDialogPixels / 2; }))
        << "\"File manager\" is not shown over the clock";
    EXPECT_TRUE(clock->runsAfter(kStillRunningMs));
}

// "/c", as the menu starts it, shows "Options" over the full-screen clock at once, and the keys
// are its own: "a" would end the run on the clock, Escape presses Cancel.
TEST_F(Sway, ConfiguringShowsOptionsOverTheClockAndGivesItTheKeys)
{
    for (const char* configure : {"/c", "/c:1234"}) {
        ASSERT_NO_FATAL_FAILURE(startInSession("1024x768", 1, {configure}));
        ASSERT_TRUE(faceAt(1)) << clock->output();
        EXPECT_TRUE(waitFor([&] { return dialogPixels() > kDialogPixels; }))
            << "\"Options\" is not shown over the clock at " << configure;
        sway->key("a");
        EXPECT_TRUE(clock->runsAfter(kStillRunningMs)) << configure;
        sway->key("Escape");
        EXPECT_TRUE(clock->endsWithin(kPromptEndMs)) << configure;
    }
}

// An output at twice the scale shows the face of the same layout, at twice its places.
TEST_F(Sway, ScaledOutputShowsTheFaceAtTwiceItsPlaces)
{
    ASSERT_NO_FATAL_FAILURE(startInSession("2048x1536", 2));
    EXPECT_TRUE(faceAt(2)) << clock->output();
}

} // namespace
