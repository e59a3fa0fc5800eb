#include "CommandLine.h"
#include "FaceFit.h"
#include "RunPolicy.h"
#include "ScaleClamp.h"
#include "TickSchedule.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

// How a run starts: its command line in the conventions of both systems, what each way of
// showing the clock may take, the scale and the fit of the face, and when the clock ticks.

namespace {

using tk::RunMode;

using Mode = LaunchMode;

CommandLine parse(std::vector<std::string> arguments, const char* path = "/usr/bin/tikora-clock")
{
    arguments.insert(arguments.begin(), path);
    return CommandLine(arguments);
}

// clang-format off
struct CommandLineRow { const char* name; std::vector<std::string> arguments; Mode mode;
    std::uint64_t handle; tk::RunRequest request; std::string display = {}; bool wrong = false; };
// clang-format on

const tk::RunRequest kClock = {};
const tk::RunRequest kConfigure = {RunMode::Configure};

// clang-format off
const CommandLineRow kCommandLines[] = {
    {"no switch runs the clock", {}, Mode::ScreenSaver, 0, kClock},
    {"/S with blanks around it", {"  /S  "}, Mode::ScreenSaver, 0, kClock},
    {"-S", {"-S"}, Mode::ScreenSaver, 0, kClock},
    {"/C in capitals configures", {"/C"}, Mode::Configure, 0, kConfigure},
    {"-c is no switch of the program's", {"-c"}, Mode::ScreenSaver, 0, kClock, "", true},
    {"/c:1234 names the dialog's owner", {"/c:1234"}, Mode::Configure, 1234, {RunMode::Configure, 1234}},
    {"/c and the owner in the next word", {"/c", "4321"}, Mode::Configure, 4321, {RunMode::Configure, 4321}},
    {"/cfoo is told by its first two letters", {"/cfoo"}, Mode::Configure, 0, kConfigure},
    {"/p with the preview's window in hex", {"/p", "0x1F2E"}, Mode::Preview, 0x1F2E, {RunMode::Preview, 0x1F2E}},
    {"/P: with a window past 32 bits", {"/P:0X123456789A"}, Mode::Preview, 0x123456789A, {RunMode::Preview, 0x123456789A}},
    {"/p with a window that is no number", {"/p", "12abc"}, Mode::Preview, 0, {RunMode::Preview}},
    {"a word before /c hides it", {"foo", "/c"}, Mode::ScreenSaver, 0, kClock},
    {"/a runs the clock as any other slash switch", {"/a"}, Mode::ScreenSaver, 0, kClock},
    {"Qt's -platform is no -p", {"-platform", "offscreen", "/s"}, Mode::ScreenSaver, 0, kClock, "", true},
    {"-display NAME", {"-display", ":3", "/c"}, Mode::Configure, 0, kConfigure, ":3"},
    {"--display=NAME", {"--display=:5"}, Mode::ScreenSaver, 0, kClock, ":5"},
    {"-display without a name", {"/s", "-display"}, Mode::ScreenSaver, 0, kClock, "", true},
    {"--window-id in hex with a capital X", {"--window-id", "0X1F"}, Mode::WindowId, 31, kClock},
    {"-window-id in decimal", {"-window-id", "4194312"}, Mode::WindowId, 4194312, kClock},
    {"--window-id of the largest X window", {"--window-id", "0xffffffff"}, Mode::WindowId, 0xffffffff, kClock},
    {"--window-id past 32 bits", {"--window-id", "4294967296"}, Mode::WindowId, 0, kClock, "", true},
    {"--window-id 0x", {"--window-id", "0x"}, Mode::WindowId, 0, kClock, "", true},
    {"--window-id 12abc", {"--window-id", "12abc"}, Mode::WindowId, 0, kClock, "", true},
    {"--window-id without an id", {"--window-id"}, Mode::WindowId, 0, kClock, "", true},
    {"an embedded run leaves /c to no one", {"--window", "/c"}, Mode::Window, 0, kClock},
    {"-root without XSCREENSAVER_WINDOW draws in the root window", {"-root"}, Mode::Root, 0, kClock},
    {"-H anywhere asks for help", {"/s", "--window-id", "-H"}, Mode::Help, 0, kClock},
    {"--help=1", {"--help=1"}, Mode::Help, 0, kClock},
    {"--Version wins over other switches", {"-display", "--Version", "--window"}, Mode::Version, 0, kClock},
};
// clang-format on

TEST(CommandLine, BothConventions)
{
    for (const CommandLineRow& row : kCommandLines) {
        SCOPED_TRACE(row.name);
        const CommandLine line = parse(row.arguments);
        // The mode, the window, what the system is asked, the display, whether the line is wrong.
        EXPECT_EQ(std::tuple(line.mode(), line.windowHandle(), line.clockRequest(), line.display(),
                             !line.error().empty()),
                  std::tuple(row.mode, row.handle, row.request, row.display, row.wrong));
    }
}

// --root draws in the window that XSCREENSAVER_WINDOW names, in the root window when it is
// empty, and a value that names no X window is refused with the message of a missing window.
TEST(CommandLine, RootDrawsInTheScreenSaversWindowOrRefusesOneThatIsNone)
{
    // clang-format off
    struct Row { const char* value; std::uint64_t handle; std::string error; };
    const Row rows[] = {{"", 0, ""},
                        {"0x400007", 0x400007, ""},
                        {"4194311", 4194311, ""},
                        {"0xFFFFFFFF", 0xffffffff, ""},
                        {"garbage", 0, "no window garbage to draw in"},
                        {"+5", 0, "no window +5 to draw in"},
                        {"12345678901234567890", 0, "no window 12345678901234567890 to draw in"},
                        {"0x100000000", 0, "no window 0x100000000 to draw in"},
                        {"0", 0, "no window 0 to draw in"},
                        {" 0x400007", 0, "no window  0x400007 to draw in"}};
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.value);
        const CommandLine line({"tikora-clock", "--root"}, row.value);
        EXPECT_EQ(std::tuple(line.mode(), line.windowHandle(), line.error()),
                  std::tuple(Mode::Root, row.handle, row.error));
    }
}

// An option written with a dash that the program does not know is said with the way to the
// known ones, not run as the full-screen clock; the screen-saver switches and the embedding
// switches are no such option.
TEST(CommandLine, AnUnknownOptionIsSaid)
{
    // clang-format off
    struct Row { std::vector<std::string> arguments; std::string said; };
    const Row rows[] = {
        {{"--windwo"}, R"(unknown option "--windwo"; "tikora-clock --help" lists the options)"},
        {{"/s", "--bogus", "-v"}, R"(unknown option "--bogus"; "tikora-clock --help" lists the options)"},
        {{"-"}, R"(unknown option "-"; "tikora-clock --help" lists the options)"},
        {{"-display", ":1", "--window"}, ""},
        {{"-S"}, ""},
        {{"/x", "-root"}, ""},
        {{"--window-id", "7"}, ""},
        {{"/c", "0x1F"}, ""}};
    // clang-format on
    for (const Row& row : rows) {
        const CommandLine line = parse(row.arguments);
        EXPECT_EQ(std::pair(line.unknownOption(), line.error()),
                  std::pair(!row.said.empty(), row.said))
            << ::testing::PrintToString(row.arguments);
    }
}

TEST(CommandLine, TheProgramIsNamedAsItWasCalled)
{
    // clang-format off
    struct Row { const char* name; const char* path; const char* program; };
    const Row rows[] = {{"installed on Linux", "/usr/bin/tikora-clock", "tikora-clock"},
                        {"a screen saver beside the user", "x.scr", "x.scr"},
                        {"in Windows' system folder", R"(C:\Windows\System32\tikora-clock.scr)", "tikora-clock.scr"}};
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const CommandLine line = parse({"/s"}, row.path);
        // The program's name, a usage that names it, and the mode.
        EXPECT_EQ(std::tuple(line.programName(),
                             line.usage().rfind("Usage: " + line.programName() + " ", 0),
                             line.mode()),
                  std::tuple(row.program, 0u, Mode::ScreenSaver));
    }
}

// clang-format off
struct PolicyRow { const char* name; std::vector<std::string> arguments; Desktop desktop;
    RunWay way; bool takesMachine; bool movesPointer; tk::RunRequest request; };
// clang-format on

TEST(RunPolicy, EachWayTakesWhatIsItsOwn)
{
    // A run that takes the machine takes the lock and the input, hides the pointer and shows
    // the hint; a Wayland client never moves the pointer; a way without dialogs asks the system
    // for the plain clock.
    // clang-format off
    const PolicyRow rows[] = {
        {"/s on X11", {"/s"}, Desktop::X11, RunWay::FullScreen, true, true, {}},
        {"/c on X11", {"/c"}, Desktop::X11, RunWay::Configure, true, true, {RunMode::Configure}},
        {"/c on Wayland", {"/c"}, Desktop::Wayland, RunWay::WaylandFullScreen, true, false, {RunMode::Configure}},
        {"/p outside Windows ends in the system", {"/p", "9"}, Desktop::X11, RunWay::FullScreen, true, true, {RunMode::Preview, 9}},
        {"/p HWND on Windows draws in the preview", {"/p", "9"}, Desktop::Windows, RunWay::WindowsPreview, false, false, {RunMode::ScreenSaver, 9}},
        {"/c:7 on Windows", {"/c:7"}, Desktop::Windows, RunWay::Configure, true, true, {RunMode::Configure, 7}},
        {"--root", {"--root"}, Desktop::X11, RunWay::ForeignWindow, false, false, {}},
        {"--window /c on Wayland", {"--window", "/c"}, Desktop::Wayland, RunWay::OwnWindow, false, false, {}},
    };
    // clang-format on
    for (const PolicyRow& row : rows) {
        SCOPED_TRACE(row.name);
        const CommandLine line = parse(row.arguments);
        const RunWay way = RunPolicies::wayFor(line, row.desktop);
        const RunPolicy& policy = RunPolicies::of(way);
        // The way, the policy's row, then the lock, the hidden pointer, the hint, the input and
        // the dialogs, each taken with the machine, and the pointer's moves.
        const bool m = row.takesMachine;
        EXPECT_EQ(std::tuple(way, policy.way, policy.takesLock, policy.hidesPointer,
                             policy.showsHint, policy.takesInput, policy.showsDialogs,
                             policy.movesPointer),
                  std::tuple(row.way, row.way, m, m, m, m, m, row.movesPointer));
        EXPECT_EQ(RunPolicies::requestFor(line, policy), row.request) << "the system's request";
    }
}

// The face's centre pixel `centre` stands where it does in the window.
// clang-format off
struct FitRow { const char* name; tk::PixelSize window; tk::PixelSize largestScreen; tk::PixelSize layout;
    tk::PixelRect centre; };
// clang-format on

TEST(FaceFit, LaidOutForAScreenAndFittedIntoTheWindow)
{
    const tk::PixelSize large{7680, 7680};
    const tk::PixelSize screen{1024, 768};
    // clang-format off
    const FitRow rows[] = {
        {"a window of a screen's size", {1920, 1080}, large, {1920, 1080}, {959, 539, 3, 3}},
        {"a preview far smaller than 800 x 600", {200, 150}, large, {800, 600}, {99, 74, 3, 3}},
        {"a narrow window keeps its proportions", {100, 600}, large, {800, 4800}, {49, 299, 3, 3}},
        {"a wide window keeps its proportions", {400, 150}, large, {1600, 600}, {199, 74, 3, 3}},
        {"a window larger than the largest screen", {16000, 12000}, screen, {1024, 768}, {511, 383, 3, 3}},
        {"a degenerate window", {0, 0}, large, {800, 600}, {399, 299, 3, 3}},
        {"a window of one pixel", {1, 1}, screen, {800, 768}, {-1, -1, 3, 3}},
        {"screens smaller than the smallest layout", {400, 300}, {640, 480}, {800, 600}, {199, 149, 3, 3}},
    };
    // clang-format on
    for (const FitRow& row : rows) {
        SCOPED_TRACE(row.name);
        FaceFit fit(FaceFit::layoutFor(row.window, row.largestScreen));
        EXPECT_EQ(fit.layout(), row.layout) << "the layout";
        // The clock window covers the window it is drawn in, but never grows past the largest
        // screen.
        fit.fitInto(row.window.boundedTo(FaceFit::largestFor(row.largestScreen)));
        const tk::PixelRect centre{row.layout.width / 2, row.layout.height / 2, 1, 1};
        EXPECT_EQ(fit.toWindow(centre), row.centre) << "the centre in the window";
        // The face under what a change touched in the window holds the change itself.
        const tk::PixelRect back = fit.toFace(fit.toWindow(centre));
        EXPECT_TRUE(back.left <= centre.left && back.top <= centre.top &&
                    back.left + back.width >= centre.left + 1 &&
                    back.top + back.height >= centre.top + 1)
            << "the way back to the face";
    }
    FaceFit wide({800, 600});
    wide.fitInto({1000, 600});
    EXPECT_EQ(wide.toWindow({400, 300, 1, 1}), (tk::PixelRect{499, 299, 3, 3}))
        << "a face narrower than its window stands in the middle";
}

TEST(ScaleClamp, HeldBetweenOneAndTheLargestThatFits)
{
    const double infinite = std::numeric_limits<double>::infinity();
    // clang-format off
    struct Row { const char* name; double width; double height; double ratio; double held; };
    const Row rows[] = {{"a 200 % desktop on 1920 x 1080 is kept", 1920, 1080, 2, 2},
                        {"an absurd scale is held to the largest", 1920, 1080, 100, 2.25},
                        {"a scale below 1 is raised", 1920, 1080, 0.25, 1},
                        {"an infinite scale counts as 1", 1920, 1080, infinite, 1},
                        {"no number counts as 1", 1920, 1080, std::nan(""), 1},
                        {"a screen smaller than the smallest layout", 320, 240, 2, 1}};
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const double largest = ScaleClamp::largestRatio(row.width, row.height);
        EXPECT_DOUBLE_EQ(ScaleClamp::held(row.ratio, largest), row.held);
    }
    EXPECT_EQ(std::pair(ScaleClamp::sameRatio(2.0015, 2), ScaleClamp::sameRatio(2.01, 2)),
              std::pair(true, false))
        << "Qt's rounding is the same ratio, a hundredth off another";
    EXPECT_DOUBLE_EQ(ScaleClamp::nextFactor(4, 8, 2.25), 1.125) << "the next factor";
    EXPECT_EQ(ScaleClamp::percent(1.5), "150 %");
    for (const double factor : {0.0, -1.0, infinite, std::nan("")})
        EXPECT_FALSE(ScaleClamp::isScale(factor)) << factor << " is no scale";
    EXPECT_TRUE(ScaleClamp::isScale(0.5));
}

TEST(TickSchedule, TheTickComesJustAfterTheSecondBegins)
{
    // clang-format off
    struct Row { const char* name; std::int64_t now; int delay; };
    const Row rows[] = {{"at the second's start", 0, 1005}, {"a millisecond before the next", 999, 6},
                        {"half way", 500, 505}, {"in a later second", 1'767'225'600'500, 505},
                        {"before the epoch", -1, 6}};
    // clang-format on
    for (const Row& row : rows)
        EXPECT_EQ(TickSchedule::delayToNextSecond(row.now), row.delay) << row.name;
}

} // namespace
