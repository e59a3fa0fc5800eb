#include "ClockRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

using fake::ClockRun;

namespace {

TEST(StartUp, CommandLineModes)
{
    // The command line and the switch read from it: "/p" ends, "/c" shows the dialog.
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", ""},         {"/s", "/s"}, {"  /S  ", "/s"},  {"/c", "/c"}, {"/C", "/c"},
        {"/c:123", "/c"}, {"/p", "/p"}, {"/P 1234", "/p"}, {"/a", "/a"}};
    for (const auto& [line, cmdSwitch] : cases) {
        SCOPED_TRACE('"' + line + '"');
        const bool runs = cmdSwitch != "/p";
        const bool configures = cmdSwitch == "/c";
        ClockRun r;
        r.platform.commandLineText = line;
        EXPECT_EQ(r.start(), runs);
        EXPECT_EQ(r.clock().CmdSwitch, cmdSwitch);
        EXPECT_EQ(r.dialog().visible(), configures);
        EXPECT_EQ(r.clock().visible(), runs);
        EXPECT_EQ(r.clock().mousePointer(),
                  configures ? tk::MousePointer::Crosshair : tk::MousePointer::Custom);
        EXPECT_EQ(r.clock().windowState(), tk::WindowState::Maximised);
        // The file is written before the switch is looked at, so "/p" writes it too.
        EXPECT_EQ(r.settingsText(), fake::kDefaultSettings);
        EXPECT_TRUE(r.clock().Timer4.isRunning());
        EXPECT_EQ(r.clock().Timer4.interval(), 1000);
    }
}

TEST(StartUp, ASecondInstanceEndsAtOnceAndWritesNothing)
{
    ClockRun r;
    r.platform.anotherInstance = true;
    EXPECT_FALSE(r.start());
    EXPECT_EQ(r.platform.writeCount, 0);
    EXPECT_EQ(r.platform.createdWindows, std::vector<std::string>{"Form1"}) << "no dialog";
    EXPECT_TRUE(r.platform.messages.empty());
}

TEST(StartUp, TheDialogAndTheChooserPlaceThemselves)
{
    ClockRun r;
    ASSERT_TRUE(r.start());
    EXPECT_EQ(r.platform.createdWindows, (std::vector<std::string>{"Form1", "frmFILE", "Form2"}));
    EXPECT_EQ(r.dialog().left(), 50);
    EXPECT_EQ(r.dialog().top(), 50);
    EXPECT_EQ(r.platform.cursorMoves, (std::vector<std::pair<int, int>>{{143, 53}}));
    EXPECT_EQ(r.chooser().top(), 50);
    EXPECT_EQ(r.chooser().left(), 50 + 2655);
}

TEST(StartUp, TheStoredCentrePicture)
{
    // The file of each name holds its contents; an empty text means there is no such file.
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"emblem.gif", "picture"}, {"missing.gif", ""}, {"broken.gif", "not a picture"}};
    for (const auto& [name, contents] : cases) {
        SCOPED_TRACE(name);
        ClockRun r;
        const std::string path = r.platform.pathOf(name);
        if (!contents.empty())
            r.platform.putFile(name, contents);
        ASSERT_TRUE(r.startWith(fake::defaultSettingsWith({"PicCenter=" + path})));
        const tk::PictureBox& centre = r.clock().Pict[0];
        EXPECT_EQ(r.platform.sourceOf(centre.picture()), name == "emblem.gif" ? path : "built-in");
        EXPECT_EQ(r.dialog().txtOUT.text(), contents.empty() ? "" : path);
        EXPECT_EQ(r.dialog().picTMP.picture(),
                  r.platform.builtInPicture(tk::BuiltInPicture::CentreEmblem));
        EXPECT_EQ(centre.left(), 7680 - 367);
        EXPECT_EQ(centre.top(), 5760 - 367);
    }
}

TEST(InputAndExit, TypedCharacters)
{
    for (int key : {int('1'), int('2'), int('a'), 13, 27, int(' ')}) {
        const bool keepsRunning = key == '1';
        ClockRun r;
        ASSERT_TRUE(r.start());
        EXPECT_EQ(r.runs([&] { r.clock().Form_KeyPress(key); }), keepsRunning) << key;
        EXPECT_EQ(r.dialog().visible(), keepsRunning);
        EXPECT_EQ(r.clock().mousePointer(),
                  keepsRunning ? tk::MousePointer::Crosshair : tk::MousePointer::Custom);
    }
}

TEST(InputAndExit, MouseMovements)
{
    // The switch, whether the dialog is shown, the movements, and whether the run goes on.
    const std::vector<std::tuple<std::string, bool, int, bool>> cases = {
        {"/s", false, 5, true}, {"/s", false, 6, false}, {"/s", true, 40, true},
        {"/c", true, 40, true}, {"/c", false, 6, true},
    };
    for (const auto& [commandLine, dialogShown, moves, keepsRunning] : cases) {
        SCOPED_TRACE(commandLine + " " + std::to_string(moves));
        ClockRun r;
        r.platform.commandLineText = commandLine;
        ASSERT_TRUE(r.start());
        dialogShown ? r.pressSetupKey() : r.dialog().hide();
        bool running = true;
        for (int i = 0; i < moves && running; ++i)
            running = r.runs([&] { r.clock().Form_MouseMove(); });
        EXPECT_EQ(running, keepsRunning);
        EXPECT_EQ(r.clock().MoveCount, std::min(moves, 6));
        // A movement brings the dialog to the front.
        EXPECT_EQ(r.dialog().visible(), dialogShown || (keepsRunning && moves > 5));
    }
}

} // namespace
