#include "RunOptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// How the program reads its command line, before any window is made.

namespace {

RunOptions parse(std::vector<const char*> arguments)
{
    arguments.insert(arguments.begin(), "/usr/bin/tikora-clock");
    return RunOptions(static_cast<int>(arguments.size()), arguments.data());
}

using Mode = RunOptions::Mode;
constexpr Mode kSaver = Mode::ScreenSaver;

TEST(RunOptions, SwitchesAreTheProgramsOwn)
{
    // The command line, and the mode, window, display, switches for the clock and whether it is
    // wrong that it gives.
    const std::vector<
        std::tuple<std::vector<const char*>, Mode, std::uint32_t, std::string, std::string, bool>>
        cases = {
            {{}, kSaver, 0, "", "", false},
            {{"/c:1234"}, kSaver, 0, "", "/c:1234", false},
            {{"/p", "5678"}, kSaver, 0, "", "/p 5678", false},
            // Qt's options reach the clock as switches it does not know, and run it as "/s" does.
            {{"-platform", "offscreen", "/s"}, kSaver, 0, "", "-platform offscreen /s", false},
            {{"-qwindowgeometry", "9x9", "/s"}, kSaver, 0, "", "-qwindowgeometry 9x9 /s", false},
            {{"-display", ":3", "/c"}, kSaver, 0, ":3", "/c", false},
            {{"--display", ":4.1"}, kSaver, 0, ":4.1", "", false},
            {{"--display=:5"}, kSaver, 0, ":5", "", false},
            {{"/s", "-display"}, kSaver, 0, "", "/s", true},
            {{"--window-id", "0x1F"}, Mode::WindowId, 31, "", "", false},
            {{"-window-id", "4194312"}, Mode::WindowId, 4194312, "", "", false},
            {{"--window-id", "0xffffffff"}, Mode::WindowId, 0xffffffffu, "", "", false},
            {{"--window-id", "4294967296"}, Mode::WindowId, 0, "", "", true},
            {{"--window-id", "0x"}, Mode::WindowId, 0, "", "", true},
            {{"--window-id", "12ab"}, Mode::WindowId, 0, "", "", true},
            {{"--window-id"}, Mode::WindowId, 0, "", "", true},
            // An embedded run leaves the screen-saver switches to no one.
            {{"--window", "/c"}, Mode::Window, 0, "", "", false},
            {{"-window"}, Mode::Window, 0, "", "", false},
            // The screen-saver switches, in any case, reach the clock as they are.
            {{"/S"}, kSaver, 0, "", "/S", false},
            {{"/?"}, kSaver, 0, "", "/?", false},
            {{"/a", "/h"}, kSaver, 0, "", "/a /h", false},
            // A question about the program wins wherever it stands, over any other switch.
            {{"--help"}, Mode::Help, 0, "", "", false},
            {{"-h"}, Mode::Help, 0, "", "", false},
            {{"--HELP"}, Mode::Help, 0, "", "", false},
            {{"--help=1"}, Mode::Help, 0, "", "", false},
            {{"--help", "--root"}, Mode::Help, 0, "", "", false},
            {{"/s", "--window-id", "-H"}, Mode::Help, 0, "", "", false},
            {{"-version"}, Mode::Version, 0, "", "", false},
            {{"-display", "--Version", "--window"}, Mode::Version, 0, "", "", false},
        };
    for (const auto& [arguments, mode, windowId, display, clockCommandLine, wrong] : cases) {
        std::string line;
        for (const char* argument : arguments)
            line += std::string(argument) + " ";
        SCOPED_TRACE(line);
        const RunOptions options = parse(arguments);
        EXPECT_EQ(options.mode(), mode);
        EXPECT_EQ(options.windowId(), windowId);
        EXPECT_EQ(options.display(), display);
        EXPECT_EQ(options.clockCommandLine(), clockCommandLine);
        EXPECT_EQ(!options.error().empty(), wrong);
        EXPECT_EQ(options.programName(), "tikora-clock");
    }
}

} // namespace
