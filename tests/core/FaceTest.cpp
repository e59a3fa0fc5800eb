#include "CircleStyle.h"
#include "ClockRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

using fake::ClockRun;

// The clock window at start-up and on its timer: it applies the rules of the face and of the
// settings file.

namespace {

TEST(ClockFace, StartUpThenTheHintFadesAndTheTickCounterStops)
{
    ClockRun r;
    r.platform.time = 1;
    r.platform.setScreenPixels(800, 600);
    ASSERT_TRUE(r.startWith(worked::settingsWith({"ViewTime=1", "ShapeWidth=1", "MColor=65280",
                                                  "CColor=8421376", "HSize=24", "FName=Verdana"})));
    Form1& clock = r.clock();
    // Each figure in the file's font; each line starts in the middle of the 12000 x 9000 twip
    // screen.
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(std::tuple(clock.lblS[k].font().size, clock.lblS[k].font().name,
                             clock.LineS[k].x1(), clock.LineS[k].y1()),
                  std::tuple(24.0f, "Verdana", 6000.0f, 4500.0f))
            << "group " << k;
    EXPECT_EQ(r.look(), "SGH SGH SSGH 0TTT SGHT") << "the colours of the file";
    EXPECT_EQ(clock.lblF1.text(), "Click <1> for setup") << "the setup hint";
    // The second style's dial is the screen's; without a background file it stays.
    EXPECT_TRUE(r.dialog().chkBG[Form2::kClock2].enabled());
    clock.DoClock2();
    r.dialog().chkBG[Form2::kBack].setValue(1);
    EXPECT_EQ(clock.picture(), r.platform.builtInPicture(tk::BuiltInPicture::Dial800x600));

    for (int tick = 1; tick <= 9; ++tick) {
        r.tick();
        EXPECT_EQ(clock.lblF1.visible(), tick < 9) << "tick " << tick;
    }
    // "Time from start" counts the time the steady clock has run: here a day less a second,
    // across midnight.
    clock.TickCount = 32766;
    r.tick();
    r.platform.time = 0;
    r.platform.steady = 86400;
    r.tick();
    EXPECT_EQ(std::tuple(clock.TickCount, clock.lblS[2].caption(), clock.lblS[1].caption(),
                         clock.lblS[0].caption()),
              std::tuple(32767, "23", "59", "59"));
    EXPECT_FLOAT_EQ(clock.Angles[2], static_cast<float>((-15 + 59 / 12.0) * 0.10472));
}

TEST(StartUp, CommandLineModesAndASecondInstance)
{
    // The mode the command line asked for and the switch the clock keeps: "/p" ends, "/c" shows
    // the dialog.
    // clang-format off
    struct Row { const char* name; tk::RunRequest request; std::string cmdSwitch; };
    // clang-format on
    const Row rows[] = {{"no switch", {}, "/s"},
                        {"configure, with its owner", {tk::RunMode::Configure, 123}, "/c"},
                        {"preview, with its window", {tk::RunMode::Preview, 1234}, "/p"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string& cmdSwitch = row.cmdSwitch;
        const bool runs = cmdSwitch != "/p";
        const bool configures = cmdSwitch == "/c";
        ClockRun r;
        r.platform.request = row.request;
        EXPECT_EQ(r.start(), runs);
        const Form1& c = r.clock();
        EXPECT_EQ(std::tuple(c.CmdSwitch, r.dialog().visible(), c.visible(), c.mousePointer(),
                             c.windowState(), c.Timer4.isRunning(), c.Timer4.interval()),
                  std::tuple(cmdSwitch, configures, runs,
                             configures ? tk::MousePointer::Crosshair : tk::MousePointer::Custom,
                             tk::WindowState::Maximised, true, 1000));
        EXPECT_EQ(std::pair(c.role(), r.dialog().role()),
                  std::pair(tk::WindowRole::ClockFace, tk::WindowRole::Form))
            << "the front end tells the clock window by its role";
        // The missing file is written, silently, before the switch is looked at, so "/p"
        // writes it too.
        EXPECT_EQ(std::tuple(r.settingsText(), r.platform.writeCount, r.platform.messages.size()),
                  std::tuple(worked::kDefaultSettings, 1, 0u));
        if (!runs)
            continue;
        // The sixth movement ends the run while the dialog is hidden, but not a "/c" run,
        // which shows its dialog again; "1" shows the dialog with the pointer over the clock.
        r.dialog().hide();
        const bool moved = r.runs([&] {
            for (int move = 0; move < 6; ++move)
                r.clock().Form_MouseMove();
        });
        EXPECT_EQ(std::pair(moved, r.dialog().visible()), std::pair(configures, configures))
            << "six movements with the dialog hidden";
        r.dialog().hide();
        r.clock().setMousePointer(tk::MousePointer::Custom);
        ASSERT_TRUE(r.runs([&] { r.clock().Form_KeyPress('1'); }));
        EXPECT_EQ(std::pair(r.dialog().visible(), r.clock().mousePointer()),
                  std::pair(true, tk::MousePointer::Crosshair))
            << "the key 1";
    }
    // A second instance ends at once and writes nothing.
    ClockRun second;
    second.platform.anotherInstance = true;
    EXPECT_FALSE(second.start());
    EXPECT_EQ(second.platform.writeCount, 0);
}

// "/c" opens the dialog on the stored time mode and circle style, as the key "1" does, and
// selecting them changes nothing on the clock; no picture option is selected, since selecting
// one opens the chooser.
TEST(StartUp, ConfigureSelectsTheStoredOptions)
{
    // clang-format off
    struct Row { const char* viewTime; const char* shapeWidth; int time; int style; };
    const Row rows[] = {{"0", "0", 0, 0}, {"1", "1", 1, 1}, {"2", "-7", 1, 1}, {"0", "1e30", 0, 1}};
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.viewTime) + " " + row.shapeWidth);
        const std::string file = worked::settingsWith(
            {std::string("ViewTime=") + row.viewTime, std::string("ShapeWidth=") + row.shapeWidth});
        ClockRun plain;
        ASSERT_TRUE(plain.startWith(file));
        ClockRun r;
        r.platform.request = {tk::RunMode::Configure};
        ASSERT_TRUE(r.startWith(file));
        const Form2& d = r.dialog();
        EXPECT_EQ(std::tuple(d.optWT[row.time].value(), d.optWT[1 - row.time].value(),
                             d.optSW[row.style].value(), d.optSW[1 - row.style].value()),
                  std::tuple(true, false, true, false));
        EXPECT_FALSE(d.optPIC[0].value() || d.optPIC[1].value() || d.optPIC[2].value());
        const auto face = [](ClockRun& run) {
            const Form1& c = run.clock();
            return std::tuple(run.settings().ViewTime, run.settings().ShapeWidth,
                              c.layout.RadiusUnit, c.ShapeS[2].width(), c.lblS[0].width(),
                              c.lblS[0].font().size, run.look());
        };
        EXPECT_EQ(face(r), face(plain));
    }
}

TEST(SettingsFile, WhereItLivesAndWhenItIsLeftAlone)
{
    // A folder that cannot be written leaves the defaults, silently; a file that exists but
    // cannot be read is not overwritten.
    ClockRun unwritable;
    unwritable.platform.writeFailure = tk::WriteFailure::AccessDenied;
    ASSERT_TRUE(unwritable.start());
    EXPECT_EQ(std::tuple(unwritable.settingsText(), unwritable.platform.messages.size()),
              std::tuple("<missing>", 0u));
    ClockRun unreadable;
    unreadable.platform.failReads = true;
    ASSERT_TRUE(unreadable.startWith("ViewTime=1\r\n"));
    EXPECT_EQ(std::tuple(unreadable.platform.writeCount, unreadable.settings().ViewTime),
              std::tuple(0, 0.0f));

    // An installed copy reads its settings file, and looks for its background picture, in a
    // folder of the user's, not beside the program.
    ClockRun r;
    r.platform.settingsSubfolder = "config";
    std::filesystem::create_directories(r.platform.pathOf("config"));
    for (const std::string folder : {"", "config/"})
        r.platform.putFile(folder + "Tikora_Clock_bg.jpg", "picture");
    r.platform.putFile("config/Tikora_Clock.ini", worked::settingsWith({"Back=1"}));
    ASSERT_TRUE(r.start());
    EXPECT_EQ(r.platform.sourceOf(r.clock().picture()),
              r.platform.pathOf("config/Tikora_Clock_bg.jpg"));

    // A screen without a dial of its own leaves "Clock2" off.
    ClockRun wide;
    wide.platform.setScreenPixels(1920, 1080);
    ASSERT_TRUE(wide.start());
    EXPECT_EQ(wide.clock().lblS[0].width(), CircleStyle::of(0).secondsLabel);
    EXPECT_FALSE(wide.dialog().chkBG[Form2::kClock2].enabled());
    wide.clock().DoClock2();
    EXPECT_EQ(wide.clock().picture(), nullptr);
}

} // namespace
