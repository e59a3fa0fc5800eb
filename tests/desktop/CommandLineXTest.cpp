#include "DesktopTest.h"

// What the program does with its command line and its display: a run it cannot make is said in
// one line with status 1, Qt's own options are never taken, and -display names the display.

namespace {

// A display number that no server serves.
constexpr const char* kDeadDisplay = ":64999";

using CommandLineX = DesktopTest;

TEST_F(CommandLineX, RunThatCannotBeMadeIsSaidInOneLineAndEndsWithStatusOne)
{
    struct Case {
        QStringList switches;
        // DISPLAY: none when null, the test's own when empty.
        const char* display;
        // A word of the line that says why.
        const char* why;
    };
    const Case cases[] = {{{"/s"}, nullptr, "display"},
                          {{"/p"}, nullptr, "display"},
                          {{"/s"}, kDeadDisplay, "display"},
                          {{"/p"}, kDeadDisplay, "display"},
                          {{"-display", kDeadDisplay}, nullptr, "display"},
                          {{"--root"}, kDeadDisplay, "display"},
                          {{"--window-id", "0x7ffffff0"}, "", "window"}};
    for (const Case& run : cases) {
        SCOPED_TRACE(run.switches.join(' ').toStdString() + " on " +
                     (run.display ? run.display : "none"));
        clock = std::make_unique<ClockProcess>(x->display());
        if (!run.display)
            clock->setEnvironment("DISPLAY", std::nullopt);
        else if (*run.display)
            clock->setEnvironment("DISPLAY", QString(run.display));
        ASSERT_TRUE(clock->start(run.switches));
        ASSERT_TRUE(clock->endsWithin(kPromptEndMs));
        EXPECT_EQ(clock->exitCode(), 1);
        const std::string output = clock->output();
        EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 1) << output;
        EXPECT_NE(output.find(run.why), std::string::npos) << output;
    }
}

// Qt's own options are never taken: "-platform offscreen" would make an invisible copy that no
// input can end, and "-qwindowgeometry 100x100" would leave most of the screen uncovered. The
// program's own "-display" names the display.
TEST_F(CommandLineX, QtOptionsAreNotTakenAndDisplayNamesTheDisplay)
{
    ASSERT_NO_FATAL_FAILURE(useScreens({"1024x768x24"}, true));
    for (const QStringList& option :
         {QStringList{"-platform", "offscreen"}, QStringList{"-qwindowgeometry", "100x100"},
          QStringList{"-display", x->display()}}) {
        SCOPED_TRACE(option.join(' ').toStdString());
        if (option.first() == "-display")
            clock->setEnvironment("DISPLAY", std::nullopt);
        ASSERT_NO_FATAL_FAILURE(startClock(option + QStringList{"/s"}));
        const QImage screen = x->screenshot();
        for (const QPoint corner :
             {QPoint(1, 1), QPoint(1022, 1), QPoint(1, 766), QPoint(600, 700)})
            EXPECT_TRUE(PixelProbe::matches(screen.pixel(corner), Qt::black)) << corner.x();
        x->key("a");
        EXPECT_TRUE(clock->endsWithin(kPromptEndMs));
    }
}

} // namespace
