#include "ClockRun.h"
#include "FakePicture.h"
#include "Form1.h"
#include "Form2.h"
#include "frmFILE.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using fake::ClockRun;

namespace {

TEST(StartUp, CommandLineModes)
{
    struct Case {
        std::string line;
        bool runs;
        std::string cmdSwitch;
        bool dialogShown;
    };
    const std::vector<Case> cases = {
        {"", true, "", false},      {"/s", true, "/s", false},       {"  /S  ", true, "/s", false},
        {"/c", true, "/c", true},   {"/C", true, "/c", true},        {"/c:123", true, "/c", true},
        {"/p", false, "/p", false}, {"/P 1234", false, "/p", false}, {"/a", true, "/a", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE('"' + c.line + '"');
        ClockRun r;
        r.platform.commandLineText = c.line;
        EXPECT_EQ(r.start(), c.runs);
        EXPECT_EQ(r.clock().CmdSwitch, c.cmdSwitch);
        EXPECT_EQ(r.dialog().visible(), c.dialogShown);
        EXPECT_EQ(r.clock().visible(), c.runs);
        EXPECT_EQ(r.clock().mousePointer(),
                  c.dialogShown ? tk::MousePointer::Crosshair : tk::MousePointer::Custom);
        EXPECT_EQ(r.clock().windowState(), tk::WindowState::Maximised);
        // The file is written before the switch is looked at, so "/p" writes it too.
        EXPECT_EQ(r.platform.writeCount, 1);
        EXPECT_EQ(r.clock().Timer4.interval(), 1000);
        EXPECT_TRUE(r.clock().Timer4.isRunning());
    }
}

TEST(StartUp, ASecondInstanceEndsAtOnceAndWritesNothing)
{
    ClockRun r;
    r.platform.anotherInstance = true;
    EXPECT_FALSE(r.start());
    EXPECT_EQ(r.platform.writeCount, 0);
    EXPECT_FALSE(r.platform.fileExists("Tikora_Clock.ini"));
    EXPECT_EQ(r.platform.createdWindows, std::vector<std::string>{"Form1"});
    EXPECT_TRUE(r.platform.cursorMoves.empty());
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
    EXPECT_FALSE(r.dialog().visible());
    EXPECT_FALSE(r.chooser().visible());
    EXPECT_EQ(r.module().strSovet, "49 x 49 px    black back  gif");
}

TEST(StartUp, Clock2IsEnabledOnlyForScreensWithADial)
{
    const std::vector<std::pair<int, bool>> cases = {{1024, true},  {800, true},   {1280, true},
                                                     {1152, false}, {1920, false}, {2560, false}};
    for (const auto& [width, enabled] : cases) {
        ClockRun r;
        r.platform.setScreenPixels(width, width * 3 / 4);
        ASSERT_TRUE(r.start());
        EXPECT_EQ(r.dialog().chkBG[1].enabled(), enabled) << width;
        EXPECT_EQ(r.clock().ShapeS[1].left(), width * 15 / 2 - 540) << width;
    }
}

TEST(StartUp, TheStoredCentrePicture)
{
    struct Case {
        std::string name;
        std::string fileContents; // empty: no such file
        bool loads;
    };
    const std::vector<Case> cases = {
        {"emblem.gif", "picture 49x49", true},
        {"missing.gif", "", false},
        {"broken.gif", "not a picture", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClockRun r;
        const std::string path = r.platform.pathOf(c.name);
        if (!c.fileContents.empty())
            r.platform.putFile(c.name, c.fileContents);
        r.platform.putFile("Tikora_Clock.ini",
                           "ViewTime=0\r\nShapeWidth=0\r\nPicCenter=" + path + "\r\n");
        ASSERT_TRUE(r.start());
        const tk::PictureBox& centre = r.clock().Pict[0];
        const auto* shown = dynamic_cast<const fake::FakePicture*>(centre.picture().get());
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->source(), c.loads ? path : "built-in");
        EXPECT_EQ(r.dialog().txtOUT.text(), c.fileContents.empty() ? "" : path);
        EXPECT_EQ(r.dialog().picTMP.picture(),
                  r.platform.builtIn(tk::BuiltInPicture::CentreEmblem));
        EXPECT_EQ(centre.left(), 7680 - 367);
        EXPECT_EQ(centre.top(), 5760 - 367);
    }
}

TEST(StartUp, StoredBackAndClock2)
{
    struct Case {
        std::string back, clock2;
        int backValue, clock2Value;
        std::string slot12;
        bool differentSizeEnabled;
    };
    const std::vector<Case> cases = {
        {"1", "1", 1, 0, "0", true},
        {"0", "1", 0, 1, "1", false},
        {"1", "0", 1, 0, "0", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("Back=" + c.back + " Clock2=" + c.clock2);
        ClockRun r;
        r.platform.putFile(
            "Tikora_Clock.ini",
            "ViewTime=0\r\nShapeWidth=0\r\nPicCenter=Default\r\nSlideShowTime=0\r\n"
            "Localisation=1\r\nBack=" +
                c.back +
                "\r\nHColor=255\r\nMColor=8421631\r\n"
                "SColor=12632319\r\nCColor=0\r\nHSize=30\r\nFName=Tahoma\r\nClock2=" +
                c.clock2 + "\r\n");
        ASSERT_TRUE(r.start());
        EXPECT_EQ(r.dialog().chkBG[0].value(), c.backValue);
        EXPECT_EQ(r.dialog().chkBG[1].value(), c.clock2Value);
        EXPECT_EQ(r.module().strSettings[12], c.slot12);
        EXPECT_EQ(r.dialog().optSW[0].enabled(), c.differentSizeEnabled);
        EXPECT_EQ(r.clock().ShapeS[4].width(), c.clock2Value == 1 ? 980 : 1080);
    }
    // Ticking the stored "Clock2" selects "Equal size", but the hidden dialog draws nothing.
    ClockRun r;
    r.platform.putFile("Tikora_Clock.ini",
                       "ViewTime=0\r\nShapeWidth=0\r\nPicCenter=Default\r\nSlideShowTime=0\r\n"
                       "Localisation=1\r\nBack=0\r\nHColor=255\r\nMColor=8421631\r\n"
                       "SColor=12632319\r\nCColor=0\r\nHSize=30\r\nFName=Tahoma\r\nClock2=1\r\n");
    ASSERT_TRUE(r.start());
    EXPECT_EQ(r.module().ShapeWidth, 1);
    EXPECT_TRUE(r.dialog().optSW[1].value());
    EXPECT_EQ(r.module().SavedRadiusUnit, "420");
    EXPECT_EQ(r.module().LineSteps, 4);
    EXPECT_EQ(r.clock().picture(), r.platform.builtIn(tk::BuiltInPicture::Dial1024x768));
}

TEST(InputAndExit, TypedCharacters)
{
    const std::vector<std::pair<int, bool>> keys = {{'1', true}, {'2', false}, {'a', false},
                                                    {13, false}, {27, false},  {' ', false}};
    for (const auto& [key, keepsRunning] : keys) {
        ClockRun r;
        r.platform.putFile("Tikora_Clock.ini", "ViewTime=1\r\nShapeWidth=0\r\n");
        ASSERT_TRUE(r.start());
        EXPECT_EQ(r.runs([&] { r.clock().Form_KeyPress(key); }), keepsRunning) << key;
        EXPECT_EQ(r.dialog().visible(), keepsRunning);
        EXPECT_EQ(r.clock().mousePointer(),
                  keepsRunning ? tk::MousePointer::Crosshair : tk::MousePointer::Custom);
        // Predustanovki ran: the options show the settings.
        EXPECT_EQ(r.dialog().optWT[1].value(), keepsRunning);
        EXPECT_EQ(r.dialog().optSW[0].value(), keepsRunning);
    }
}

TEST(InputAndExit, MouseMovements)
{
    struct Case {
        std::string commandLine;
        bool dialogShown;
        int moves;
        bool keepsRunning;
    };
    const std::vector<Case> cases = {
        {"/s", false, 5, true}, {"/s", false, 6, false}, {"/s", true, 40, true},
        {"/c", true, 40, true}, {"/c", false, 6, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.commandLine + " " + std::to_string(c.moves));
        ClockRun r;
        r.platform.commandLineText = c.commandLine;
        ASSERT_TRUE(r.start());
        if (c.dialogShown)
            r.pressSetupKey();
        else
            r.dialog().hide();
        bool running = true;
        for (int i = 0; i < c.moves && running; ++i)
            running = r.runs([&] { r.clock().Form_MouseMove(); });
        EXPECT_EQ(running, c.keepsRunning);
        EXPECT_EQ(r.clock().MoveCount, c.moves > 5 ? 6 : c.moves);
        if (c.keepsRunning && c.moves > 5) {
            EXPECT_TRUE(r.dialog().visible()) << "a movement brings the dialog to the front";
        }
    }
}

} // namespace
