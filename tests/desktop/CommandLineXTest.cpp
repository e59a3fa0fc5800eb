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
        // Words of the line that says why; a window is named as the user wrote its id.
        const char* why;
    };
    const Case cases[] = {{{"/s"}, nullptr, "display"},
                          {{"/p"}, nullptr, "display"},
                          {{"/s"}, kDeadDisplay, "display"},
                          {{"/p"}, kDeadDisplay, "display"},
                          {{"-display", kDeadDisplay}, nullptr, "display"},
                          {{"--root"}, kDeadDisplay, "display"},
                          {{"--window-id", "0x7ffffff0"}, "", "no window 0x7ffffff0 to draw in"}};
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

// --help and --version answer without a display, and Wayland without a compositor is said in
// one line. A run prints nothing, without a runtime folder or a session bus too, leaves no bus
// daemon behind, and a file-size limit of nothing kills none of it.
TEST_F(CommandLineX, AnswersWithoutADisplayAndRunsQuietly)
{
    const std::vector<std::tuple<QStringList, const char*, int, std::string>> cases = {
        {{"--help"}, nullptr, 0, "--window-id ID"},
        {{"--version"}, nullptr, 0, "tikora-clock 0."},
        {{"/s"}, "wayland", 1, "Wayland display"},
        {{"--fsize=0", clock->path("tikora-clock"), "/p"}, "prlimit", 0, ""},
        {{"--root"}, "", 0, ""}};
    ASSERT_TRUE(QFile::copy(TIKORA_CLOCK_PROGRAM, clock->path("tikora-clock")));
    for (const auto& [switches, kind, status, said] : cases) {
        SCOPED_TRACE(switches.join(' ').toStdString());
        const std::optional<QString> none;
        clock->setEnvironment("DISPLAY", kind && *kind != 'w' ? x->display() : none);
        clock->setEnvironment("QT_QPA_PLATFORM", kind && *kind == 'w' ? kind : none);
        for (const char* unset : {"XDG_RUNTIME_DIR", "DBUS_SESSION_BUS_ADDRESS"})
            clock->setEnvironment(unset, none);
        clock->setProgram(kind && *kind == 'p' ? "prlimit" : "");
        ASSERT_TRUE(clock->start(switches));
        if (!clock->endsWithin(kPromptEndMs))
            clock->terminate();
        EXPECT_TRUE(clock->endsWithin(kPromptEndMs));
        EXPECT_EQ(clock->exitCode(), status);
        const std::string output = clock->output();
        EXPECT_TRUE(said.empty() ? output.empty() : output.find(said) != std::string::npos)
            << output;
    }
    EXPECT_NE(QProcess::execute("pgrep", {"-f", "dbus-launch --autolaunch"}), 0);
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
