#include "ClockRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <tuple>

using fake::ClockRun;

namespace {

// Where one group of the face stands: its line's far end (0 0 for a face without lines), its
// circle's top left and its label's top left. Every line starts at the centre, 7680 5760.
using Group = std::array<double, 6>;

void expectFace(Form1& c, const std::array<Group, 3>& groups, const std::string& what)
{
    for (int i = 0; i < 3; ++i) {
        const tk::Line& line = c.LineS[i];
        const bool lines = groups[i][0] > 0;
        const double actual[] = {line.x1() - 7680,       line.y1() - 5760,
                                 lines ? line.x2() : 0,  lines ? line.y2() : 0,
                                 c.ShapeS[i + 2].left(), c.ShapeS[i + 2].top(),
                                 c.lblS[i].left(),       c.lblS[i].top()};
        for (int k = 0; k < 8; ++k)
            EXPECT_NEAR(actual[k], k < 2 ? 0 : groups[i][k - 2], 0.05) << what << " " << i << k;
    }
}

TEST(ClockFace, WorkedExamplesOnA1024By768Screen)
{
    ClockRun different;
    ASSERT_TRUE(different.startAtTenTwenty());
    expectFace(different.clock(),
               {{{7680.0, 8800.0, 7330.0, 8770.0, 7502.2, 8921.2},
                 {9862.4, 7020.0, 9510.1, 6637.0, 9682.3, 6788.2},
                 {6393.1, 4680.1, 5859.2, 4145.2, 6052.2, 4297.2}}},
               "Different size, a later pass");
    // The first drawing leaves the hours circle's unit, 380, behind.
    EXPECT_EQ(different.sizes(), fake::kDifferentSizes);

    ClockRun equal;
    ASSERT_TRUE(equal.startAtTenTwenty("ViewTime=0\r\nShapeWidth=1\r\n"));
    expectFace(equal.clock(),
               {{{7680.0, 9000.0, 7140.0, 9000.0, 7345.2, 9167.4},
                 {9550.6, 6840.0, 9478.3, 6570.0, 9683.5, 6737.4},
                 {6852.7, 5065.8, 5899.0, 4178.7, 6092.0, 4330.7}}},
               "Equal size");
    EXPECT_EQ(equal.sizes(), fake::kEqualSizes);

    // Picking "Different size" in the visible dialog draws the first pass after the style.
    equal.pressSetupKey();
    equal.dialog().optSW[0].click();
    EXPECT_NEAR(equal.clock().LineS[0].x2(), 7680.0, 0.05);
    EXPECT_NEAR(equal.clock().LineS[0].y2(), 9120.0, 0.05);
    EXPECT_NEAR(equal.clock().LineS[1].x2(), 9862.4, 0.05);
    EXPECT_EQ(equal.sizes(), fake::kDifferentSizes) << "only two groups shrink";
    EXPECT_EQ(equal.dialog().txtCOLOR[0].text() + " " + equal.dialog().txtCOLOR[1].text(), "15 21");
    equal.tick();
    EXPECT_NEAR(equal.clock().LineS[0].y2(), 8800.0, 0.05);

    // The second clock style, picked in the dialog of "/c".
    ClockRun clock2;
    clock2.platform.commandLineText = "/c";
    ASSERT_TRUE(clock2.startAtTenTwenty());
    clock2.dialog().chkBG[1].click();
    clock2.tick();
    expectFace(clock2.clock(),
               {{{0, 0, 7190.0, 9050.0, 7340.0, 9170.0},
                 {0, 0, 9528.3, 6620.0, 9678.3, 6740.0},
                 {0, 0, 5949.0, 4228.7, 6099.0, 4348.7}}},
               "Clock2, Equal size");
}

int secondsOf(const char* time)
{
    int h = 0, m = 0, s = 0;
    std::sscanf(time, "%d:%d:%d", &h, &m, &s);
    return (h * 60 + m) * 60 + s;
}

TEST(ClockFace, FiguresAndAngles)
{
    // The start of a "Time from start" run (empty for "Current time"), the time of the tick,
    // the figures then (empty: the time of the tick), and the seconds, minutes and hours
    // angles in steps of 0.10472, the sixtieth of a turn the face has always turned by. The
    // figures of "Time from start" count from the start, across midnight too, never reaching
    // 24; the circles stand at the time of day, but the hours circle takes its fraction from
    // the minutes figure.
    const std::tuple<const char*, const char*, const char*, std::array<double, 3>> cases[] = {
        {"", "10:20:30", "", {15, 5, 35 + 20 / 12.0}},
        {"", "15:0:0", "", {-15, -15, 60}},
        {"", "0:0:0", "", {-15, -15, -15}},
        {"", "10:20:15", "", {0, 5, 35 + 20 / 12.0}},
        {"23:59:50", "0:0:5", "0:0:15", {-10, -15, -15}},
        {"10:20:30", "10:20:30", "0:0:0", {15, 5, 35}},
        {"10:20:30", "10:20:31", "0:0:1", {16, 5, 35}},
        // The time of day stepped back a second: the time from start stands still.
        {"10:20:30", "10:20:29", "0:0:0", {14, 5, 35}}};
    for (const auto& [start, now, figures, steps] : cases) {
        SCOPED_TRACE(std::string(start) + " " + now);
        ClockRun r;
        r.platform.time = secondsOf(*start ? start : now);
        r.platform.steady = 0;
        ASSERT_TRUE(r.startWith(*start ? "ViewTime=1\r\n" : fake::kDefaultSettings));
        r.platform.time = secondsOf(now);
        // The steady clock runs on as the time of day does, except where the time of day steps.
        r.platform.steady = *figures ? secondsOf(figures) : 0;
        r.tick();
        EXPECT_EQ(r.figures(), *figures ? figures : now);
        for (int k = 0; k < 3; ++k)
            EXPECT_FLOAT_EQ(r.clock().Angles[k], static_cast<float>(steps[k] * 0.10472)) << k;
    }
}

TEST(ClockFace, TheDefaultStartThenTheHintFadesAndTheTickCounterStops)
{
    ClockRun r;
    ASSERT_TRUE(r.start());
    Form1& clock = r.clock();
    // The dialog stands at the top left with the pointer on it, the chooser to its right.
    EXPECT_EQ(r.platform.createdWindows, (std::vector<std::string>{"Form1", "frmFILE", "Form2"}));
    EXPECT_EQ((std::vector<float>{r.dialog().left(), r.dialog().top(), r.chooser().left(),
                                  r.chooser().top()}),
              (std::vector<float>{50, 50, 50 + 2655, 50}));
    EXPECT_EQ(r.platform.cursorMoves, (std::vector<std::pair<int, int>>{{143, 53}}));

    // The centre circle, the template circle, then each group's circle and figures.
    const tk::Shape& centre = clock.ShapeS[1];
    EXPECT_EQ(std::tuple(centre.bounds(), centre.borderWidth(), centre.borderStyle(),
                         clock.ShapeS[0].visible()),
              std::tuple(tk::Bounds{7140, 5220, 1080, 1080}, 1, tk::BorderStyle::Solid, false));
    for (int k = 0; k < 3; ++k) {
        const tk::Label& label = clock.lblS[k];
        EXPECT_EQ(std::tuple(clock.ShapeS[k + 2].borderWidth(), clock.ShapeS[k + 2].shape(),
                             label.font().bold, label.font().name, label.visible()),
                  std::tuple(2, tk::ShapeKind::Circle, true, "Tahoma", true))
            << k;
    }
    std::string frontToBack;
    for (auto it = clock.stacking().rbegin(); it != clock.stacking().rend(); ++it)
        frontToBack += (*it)->name() + std::to_string((*it)->index()) + " ";
    EXPECT_EQ(frontToBack, "lblS2 ShapeS4 lblS1 ShapeS3 lblS0 ShapeS2 ShapeS1 ShapeS0 LineS0 "
                           "LineS1 LineS2 ");

    const tk::TextBox& hint = clock.lblF1;
    EXPECT_EQ(std::tuple(hint.caption(), hint.left(), hint.top()),
              std::tuple("Click <1> for setup", 15360 - hint.width(), 11520 - hint.height()));
    for (int tick = 0; tick <= 8; r.tick(), ++tick) {
        const int grey = 90 - 10 * tick;
        EXPECT_EQ(clock.lblF1.foreColor(), tk::rgb(grey, grey, grey)) << "tick " << tick;
        EXPECT_TRUE(clock.lblF1.visible());
    }
    EXPECT_FALSE(clock.lblF1.visible());
    clock.TickCount = 32766;
    r.tick();
    r.platform.setTime(0, 0, 7);
    r.tick();
    EXPECT_EQ(clock.TickCount, 32767);
    EXPECT_EQ(r.figures(), "0:0:7");
    EXPECT_FALSE(clock.lblF1.visible());
}

TEST(ClockFace, TheSecondStyleAndTheBackground)
{
    // The screen width and its dial (the emblem: none, so that "Clock2" cannot be chosen),
    // "Back", whether the background file is there, and what DoBackGround shows after DoClock2:
    // the file, the dial still, or nothing.
    using Dial = tk::BuiltInPicture;
    const std::tuple<int, Dial, int, bool, std::string> cases[] = {
        {1024, Dial::Dial1024x768, 1, true, "file"}, {800, Dial::Dial800x600, 1, false, "dial"},
        {1280, Dial::Dial1280x1024, 0, true, ""},    {1152, Dial::CentreEmblem, 0, true, ""},
        {1920, Dial::CentreEmblem, 0, false, ""},    {2560, Dial::CentreEmblem, 0, true, ""}};
    for (const auto& [width, dial, back, filePresent, shown] : cases) {
        SCOPED_TRACE(width);
        ClockRun r;
        r.platform.setScreenPixels(width, width * 3 / 4);
        if (filePresent)
            r.platform.putFile("Tikora_Clock_bg.jpg", "picture");
        ASSERT_TRUE(r.start());
        Form1& clock = r.clock();
        const bool hasDial = dial != Dial::CentreEmblem;
        EXPECT_EQ(r.dialog().chkBG[1].enabled(), hasDial);
        EXPECT_EQ(clock.ShapeS[1].left(), width * 15 / 2 - 540);
        r.dialog().chkBG[0].setValue(back);
        clock.DoClock2();
        EXPECT_EQ(clock.picture(), hasDial ? r.platform.builtInPicture(dial) : nullptr);
        EXPECT_EQ(r.sizes().substr(0, r.sizes().find(';')),
                  "980 980 28 380 380, 980 980 28 510 510, 980 980 28 700 650");

        clock.DoBackGround();
        const std::string now =
            clock.picture() && clock.picture() == r.platform.builtInPicture(dial)
                ? "dial"
                : r.platform.sourceOf(clock.picture());
        EXPECT_EQ(now, shown == "file" ? r.platform.pathOf("Tikora_Clock_bg.jpg") : shown);
        EXPECT_TRUE(r.platform.messages.empty());
    }
}

TEST(StartUp, CommandLineModesAndASecondInstance)
{
    // The command line and the switch read from it: "/p" ends, "/c" shows the dialog.
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},         {"/s", "/s"}, {"  /S  ", "/s"},  {"/c", "/c"}, {"/C", "/c"},
        {"/c:123", "/c"}, {"/p", "/p"}, {"/P 1234", "/p"}, {"/a", "/a"}};
    for (const auto& [line, cmdSwitch] : cases) {
        SCOPED_TRACE('"' + line + '"');
        const bool runs = cmdSwitch != "/p";
        const bool configures = cmdSwitch == "/c";
        ClockRun r;
        r.platform.commandLineText = line;
        EXPECT_EQ(r.start(), runs);
        const Form1& c = r.clock();
        EXPECT_EQ(std::tuple(c.CmdSwitch, r.dialog().visible(), c.visible(), c.mousePointer(),
                             c.windowState(), c.Timer4.isRunning(), c.Timer4.interval()),
                  std::tuple(cmdSwitch, configures, runs,
                             configures ? tk::MousePointer::Crosshair : tk::MousePointer::Custom,
                             tk::WindowState::Maximised, true, 1000));
        // The missing file is written, silently, before the switch is looked at, so "/p"
        // writes it too.
        EXPECT_EQ(std::tuple(r.settingsText(), r.platform.writeCount, r.platform.messages.size()),
                  std::tuple(fake::kDefaultSettings, 1, 0u));
    }
    // A second instance ends at once and writes nothing.
    ClockRun second;
    second.platform.anotherInstance = true;
    EXPECT_FALSE(second.start());
    EXPECT_EQ(second.platform.writeCount, 0);
    EXPECT_EQ(second.platform.createdWindows, std::vector<std::string>{"Form1"}) << "no dialog";
    EXPECT_TRUE(second.platform.messages.empty());
}

TEST(InputAndExit, TypedCharactersAndMouseMovements)
{
    for (int key : {int('1'), int('2'), int('a'), 13, 27, int(' ')}) {
        const bool keepsRunning = key == '1';
        ClockRun r;
        ASSERT_TRUE(r.start());
        const bool ran = r.runs([&] { r.clock().Form_KeyPress(key); });
        EXPECT_EQ(std::tuple(ran, r.dialog().visible(), r.clock().mousePointer()),
                  std::tuple(keepsRunning, keepsRunning,
                             keepsRunning ? tk::MousePointer::Crosshair : tk::MousePointer::Custom))
            << key;
    }
    // The switch, whether the dialog is shown, the movements, and whether the run goes on.
    const std::tuple<std::string, bool, int, bool> cases[] = {{"/s", false, 5, true},
                                                              {"/s", false, 6, false},
                                                              {"/s", true, 40, true},
                                                              {"/c", true, 40, true},
                                                              {"/c", false, 6, true}};
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
