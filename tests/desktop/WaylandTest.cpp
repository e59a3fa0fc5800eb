#include "SwayTest.h"

// The program in a Wayland session, on a headless sway: it chooses Wayland itself, covers
// every output, shows its dialogs over the full-screen clock and gives them the keys. The
// session has no pointer, so the pointer's rules are tested on X11 alone.

namespace {

using Sway = SwayTest;

// An output that comes while the clock runs is covered in black. Key 1 over the clock is tested
// in every session.
TEST_F(Sway, ClockCoversEveryOutput)
{
    ASSERT_NO_FATAL_FAILURE(startClock());
    sway->swaymsg({"create_output"});
    EXPECT_TRUE(waitFor([&] {
        const QImage second = sway->screenshot(1);
        return !second.isNull() && PixelProbe::lit(second, second.rect()) == 0;
    })) << "the second output is not black";
    EXPECT_TRUE(clock->runsAfter(kStillRunningMs));
}

// "/c", as the menu starts it, shows "Options" over the full-screen clock at once, and the keys
// are its own: "a" would end the run on the clock, Escape presses Cancel.
TEST_F(Sway, ConfiguringShowsOptionsOverTheClockAndGivesItTheKeys)
{
    // libfaketime cannot set itself up for another user, so the clock runs on. Which words mean
    // "/c" is tested headless.
    ASSERT_NO_FATAL_FAILURE(startClock({"/c"}));
    EXPECT_TRUE(waitFor([&] { return dialogPixels() > kDialogPixels; }))
        << "\"Options\" is not shown over the clock";
    sway->key("a");
    EXPECT_TRUE(clock->runsAfter(kStillRunningMs));
    sway->key("Escape");
    EXPECT_TRUE(clock->endsWithin(kPromptEndMs));
}

} // namespace
