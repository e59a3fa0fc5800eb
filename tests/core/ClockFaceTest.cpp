#include "ClockRun.h"
#include "FakePicture.h"
#include "Form1.h"
#include "Form2.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

using fake::ClockRun;

namespace {

constexpr double kTwipTolerance = 0.05;

// Where one group of the face stands: its line end, its circle's and its label's top left.
struct Group {
    double lineX, lineY, circleLeft, circleTop, labelLeft, labelTop;
};

void expectFace(Form1& clock, const std::array<Group, 3>& groups, const std::string& what)
{
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(what + ", group " + std::to_string(i));
        EXPECT_NEAR(clock.LineS[i].x1(), 7680.0, kTwipTolerance);
        EXPECT_NEAR(clock.LineS[i].y1(), 5760.0, kTwipTolerance);
        if (groups[i].lineX > 0) {
            EXPECT_NEAR(clock.LineS[i].x2(), groups[i].lineX, kTwipTolerance);
            EXPECT_NEAR(clock.LineS[i].y2(), groups[i].lineY, kTwipTolerance);
        }
        EXPECT_NEAR(clock.ShapeS[i + 2].left(), groups[i].circleLeft, kTwipTolerance);
        EXPECT_NEAR(clock.ShapeS[i + 2].top(), groups[i].circleTop, kTwipTolerance);
        EXPECT_NEAR(clock.lblS[i].left(), groups[i].labelLeft, kTwipTolerance);
        EXPECT_NEAR(clock.lblS[i].top(), groups[i].labelTop, kTwipTolerance);
    }
}

// A run at 10:20:30 on a 1024 x 768 screen, started and ticked once.
void startAtTenTwenty(ClockRun& r, const std::string& settings = {})
{
    if (!settings.empty())
        r.platform.putFile("Tikora_Clock.ini", settings);
    r.platform.setTime(10, 20, 30);
    ASSERT_TRUE(r.start());
    r.tick();
}

TEST(ClockFace, WorkedExamplesOnA1024By768Screen)
{
    ClockRun different;
    startAtTenTwenty(different);
    expectFace(different.clock(),
               {{{7680.0, 8800.0, 7330.0, 8770.0, 7502.2, 8921.2},
                 {9862.4, 7020.0, 9510.1, 6637.0, 9682.3, 6788.2},
                 {6393.1, 4680.1, 5859.2, 4145.2, 6052.2, 4297.2}}},
               "Different size, a later pass");

    ClockRun equal;
    startAtTenTwenty(equal, "ViewTime=0\r\nShapeWidth=1\r\n");
    expectFace(equal.clock(),
               {{{7680.0, 9000.0, 7140.0, 9000.0, 7345.2, 9167.4},
                 {9550.6, 6840.0, 9478.3, 6570.0, 9683.5, 6737.4},
                 {6852.7, 5065.8, 5899.0, 4178.7, 6092.0, 4330.7}}},
               "Equal size");

    // Picking "Different size" in the visible dialog draws the first pass after the style.
    equal.pressSetupKey();
    equal.dialog().optSW[0].click();
    EXPECT_NEAR(equal.clock().LineS[0].x2(), 7680.0, kTwipTolerance);
    EXPECT_NEAR(equal.clock().LineS[0].y2(), 9120.0, kTwipTolerance);
    EXPECT_NEAR(equal.clock().LineS[1].x2(), 9862.4, kTwipTolerance);
    equal.tick();
    EXPECT_NEAR(equal.clock().LineS[0].y2(), 8800.0, kTwipTolerance);
}

TEST(ClockFace, SecondClockStyleNumbersThroughTheDialog)
{
    ClockRun r;
    r.platform.commandLineText = "/c";
    startAtTenTwenty(r);
    r.dialog().chkBG[1].click();
    r.tick();
    expectFace(r.clock(),
               {{{0, 0, 7190.0, 9050.0, 7340.0, 9170.0},
                 {0, 0, 9528.3, 6620.0, 9678.3, 6740.0},
                 {0, 0, 5949.0, 4228.7, 6099.0, 4348.7}}},
               "Clock2, Equal size");
}

TEST(ClockFace, AnglesAndFigures)
{
    struct Case {
        int h, m, s;
        float a0, a1, a2;
        std::array<std::string, 3> captions;
    };
    const std::vector<Case> cases = {
        {10, 20, 30, 1.5707999f, 0.52359998f, 3.8397334f, {"30", "20", "10"}},
        {10, 20, 0, -1.5708f, 0.52359998f, 3.8397334f, {"0", "20", "10"}},
        {10, 20, 15, 0.0f, 0.52359998f, 3.8397334f, {"15", "20", "10"}},
        {10, 20, 45, 3.1416f, 0.52359998f, 3.8397334f, {"45", "20", "10"}},
        {15, 0, 0, -1.5708f, -1.5708f, 6.2832f, {"0", "0", "15"}},
        {0, 0, 0, -1.5708f, -1.5708f, -1.5708f, {"0", "0", "0"}},
    };
    for (const Case& c : cases) {
        ClockRun r;
        r.platform.setTime(c.h, c.m, c.s);
        ASSERT_TRUE(r.start());
        r.tick();
        Form1& clock = r.clock();
        SCOPED_TRACE(c.captions[2] + ":" + c.captions[1] + ":" + c.captions[0]);
        EXPECT_FLOAT_EQ(clock.Angles[0], c.a0);
        EXPECT_FLOAT_EQ(clock.Angles[1], c.a1);
        EXPECT_FLOAT_EQ(clock.Angles[2], c.a2);
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(clock.lblS[k].caption(), c.captions[k]);
    }
}

TEST(ClockFace, TimeFromStartAcrossMidnight)
{
    ClockRun r;
    r.platform.putFile("Tikora_Clock.ini", "ViewTime=1\r\n");
    r.platform.setTime(23, 59, 50);
    ASSERT_TRUE(r.start());
    r.platform.setTime(0, 0, 5);
    r.tick();
    EXPECT_EQ(r.clock().lblS[0].caption(), "15");
    EXPECT_EQ(r.clock().lblS[1].caption(), "0");
    EXPECT_EQ(r.clock().lblS[2].caption(), "0");
    // The circles keep standing at the time of day.
    EXPECT_FLOAT_EQ(r.clock().Angles[0], static_cast<float>((5 - 15) * 0.10472));
}

TEST(ClockFace, HintFadesThenHidesAndTheTickCounterStops)
{
    ClockRun r;
    ASSERT_TRUE(r.start());
    Form1& clock = r.clock();
    EXPECT_EQ(clock.lblF1.foreColor(), tk::rgb(90, 90, 90));
    EXPECT_EQ(clock.lblF1.left(), 15360 - clock.lblF1.width());
    EXPECT_EQ(clock.lblF1.top(), 11520 - clock.lblF1.height());
    for (int tick = 1; tick <= 8; ++tick) {
        r.tick();
        const int grey = 90 - 10 * tick;
        EXPECT_EQ(clock.lblF1.foreColor(), tk::rgb(grey, grey, grey)) << "tick " << tick;
        EXPECT_TRUE(clock.lblF1.visible());
    }
    r.tick();
    EXPECT_FALSE(clock.lblF1.visible());
    clock.TickCount = 32766;
    r.tick();
    r.platform.setTime(0, 0, 7);
    r.tick();
    EXPECT_EQ(clock.TickCount, 32767);
    EXPECT_EQ(clock.lblS[0].caption(), "7");
    EXPECT_FALSE(clock.lblF1.visible());
}

TEST(ClockFace, StyleTables)
{
    struct Case {
        std::string file;
        std::array<float, 3> circles, fonts, labelWidths, labelHeights;
        int radiusUnit, lineSteps;
        float spreadStep;
    };
    const std::vector<Case> cases = {
        {"", {700, 850, 1080}, {15, 21, 30}, {380, 510, 700}, {380, 510, 650}, 420, 4, 1.8f},
        {"ViewTime=0\r\nShapeWidth=1\r\n",
         {1080, 1080, 1080},
         {30, 30, 30},
         {700, 700, 700},
         {700, 700, 650},
         540,
         3,
         2.0f},
    };
    for (const Case& c : cases) {
        ClockRun r;
        r.platform.putFile("Tikora_Clock.ini", c.file);
        ASSERT_TRUE(r.start());
        SCOPED_TRACE(c.file);
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(r.clock().ShapeS[k + 2].width(), c.circles[k]);
            EXPECT_EQ(r.clock().ShapeS[k + 2].height(), c.circles[k]);
            EXPECT_EQ(r.clock().lblS[k].font().size, c.fonts[k]);
            EXPECT_EQ(r.clock().lblS[k].width(), c.labelWidths[k]);
            EXPECT_EQ(r.clock().lblS[k].height(), c.labelHeights[k]);
        }
        EXPECT_EQ(r.module().RadiusUnit, c.radiusUnit == 420 ? 380 : c.radiusUnit)
            << "the first drawing leaves the hours unit behind";
        EXPECT_EQ(r.module().SavedRadiusUnit, std::to_string(c.radiusUnit));
        EXPECT_EQ(r.module().LineSteps, c.lineSteps);
        EXPECT_EQ(r.module().SpreadStep, c.spreadStep);
    }
    // Back from "Equal size" to "Different size": only seconds and minutes shrink.
    ClockRun r;
    r.platform.putFile("Tikora_Clock.ini", cases[1].file);
    ASSERT_TRUE(r.start());
    r.pressSetupKey();
    r.dialog().optSW[0].click();
    EXPECT_EQ(r.clock().ShapeS[2].width(), 700);
    EXPECT_EQ(r.clock().ShapeS[3].width(), 850);
    EXPECT_EQ(r.clock().ShapeS[4].width(), 1080);
    EXPECT_EQ(r.clock().lblS[2].height(), 650);
}

TEST(ClockFace, DefaultElementsCentreCircleAndStacking)
{
    ClockRun r;
    ASSERT_TRUE(r.start());
    Form1& clock = r.clock();
    const tk::Shape& centre = clock.ShapeS[1];
    EXPECT_EQ(centre.left(), 7140);
    EXPECT_EQ(centre.top(), 5220);
    EXPECT_EQ(centre.width(), 1080);
    EXPECT_EQ(centre.borderWidth(), 1);
    EXPECT_EQ(centre.backColor(), tk::kBlack);
    EXPECT_EQ(centre.borderColor(), tk::rgb(255, 192, 192));
    EXPECT_EQ(centre.borderStyle(), tk::BorderStyle::Solid);
    EXPECT_EQ(clock.CentreHalf, 540);

    const tk::Colour colours[] = {tk::rgb(255, 192, 192), tk::rgb(255, 128, 128),
                                  tk::rgb(255, 0, 0)};
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(clock.LineS[k].borderColor(), colours[k]);
        EXPECT_EQ(clock.lblS[k].foreColor(), colours[k]);
        EXPECT_EQ(clock.ShapeS[k + 2].borderColor(), colours[k]);
        EXPECT_EQ(clock.ShapeS[k + 2].backColor(), tk::kBlack);
        EXPECT_EQ(clock.ShapeS[k + 2].borderWidth(), 2);
        EXPECT_EQ(clock.ShapeS[k + 2].shape(), tk::ShapeKind::Circle);
        EXPECT_TRUE(clock.lblS[k].font().bold);
        EXPECT_EQ(clock.lblS[k].font().name, "Tahoma");
        EXPECT_TRUE(clock.LineS[k].visible() && clock.lblS[k].visible());
    }
    EXPECT_EQ(clock.lblS[2].font().size, 30);
    EXPECT_EQ(clock.lblS[2].width(), 700);
    EXPECT_EQ(clock.lblS[2].height(), 650);
    EXPECT_FALSE(clock.ShapeS[0].visible());

    std::vector<std::string> frontToBack;
    for (auto it = clock.stacking().rbegin(); it != clock.stacking().rend(); ++it)
        frontToBack.push_back((*it)->name() + "(" + std::to_string((*it)->index()) + ")");
    EXPECT_EQ(frontToBack,
              (std::vector<std::string>{"lblS(2)", "ShapeS(4)", "lblS(1)", "ShapeS(3)", "lblS(0)",
                                        "ShapeS(2)", "ShapeS(1)", "ShapeS(0)", "LineS(0)",
                                        "LineS(1)", "LineS(2)"}));
}

TEST(ClockFace, DoClock2DialByScreenWidth)
{
    struct Case {
        int width, height;
        bool hasDial;
        tk::BuiltInPicture dial;
    };
    const std::vector<Case> cases = {
        {1024, 768, true, tk::BuiltInPicture::Dial1024x768},
        {800, 600, true, tk::BuiltInPicture::Dial800x600},
        {1280, 1024, true, tk::BuiltInPicture::Dial1280x1024},
        {1152, 864, false, tk::BuiltInPicture::CentreEmblem},
    };
    for (const Case& c : cases) {
        ClockRun r;
        r.platform.setScreenPixels(c.width, c.height);
        ASSERT_TRUE(r.start());
        Form1& clock = r.clock();
        clock.DoClock2();
        SCOPED_TRACE(c.width);
        EXPECT_EQ(clock.picture(), c.hasDial ? r.platform.builtIn(c.dial) : nullptr);
        for (int g = 0; g < 3; ++g) {
            EXPECT_FALSE(clock.LineS[g].visible());
            EXPECT_EQ(clock.lblS[g].font().size, 28);
            EXPECT_EQ(clock.ShapeS[g + 2].width(), 980);
            EXPECT_EQ(clock.ShapeS[g + 2].height(), 980);
        }
        EXPECT_EQ(clock.ShapeS[1].borderStyle(), tk::BorderStyle::None);
    }
}

TEST(ClockFace, DoBackGround)
{
    struct Case {
        int back;
        bool filePresent;
        bool keepsOld;
        bool showsFile;
    };
    const std::vector<Case> cases = {
        {1, true, false, true}, {1, false, true, false}, {0, true, false, false}};
    for (const Case& c : cases) {
        ClockRun r;
        if (c.filePresent)
            r.platform.putFile("Tikora_Clock_bg.jpg", "picture 640x480");
        ASSERT_TRUE(r.start());
        Form1& clock = r.clock();
        r.dialog().chkBG[0].setValue(c.back);
        // Leave the face as the second clock style does, with its dial shown.
        clock.DoClock2();
        const tk::PictureRef dial = clock.picture();
        clock.DoBackGround();
        SCOPED_TRACE(std::to_string(c.back) + (c.filePresent ? " present" : " absent"));
        const auto* shown = dynamic_cast<const fake::FakePicture*>(clock.picture().get());
        if (c.showsFile) {
            ASSERT_NE(shown, nullptr);
            EXPECT_EQ(shown->source(), r.platform.pathOf("Tikora_Clock_bg.jpg"));
            EXPECT_EQ(shown->widthPixels(), 640);
        } else if (c.keepsOld) {
            EXPECT_EQ(clock.picture(), dial);
        } else {
            EXPECT_EQ(clock.picture(), nullptr);
        }
        for (int g = 0; g < 3; ++g)
            EXPECT_TRUE(clock.LineS[g].visible());
        EXPECT_EQ(clock.ShapeS[1].borderStyle(), tk::BorderStyle::Solid);
        EXPECT_TRUE(r.platform.messages.empty());
    }
}

} // namespace
