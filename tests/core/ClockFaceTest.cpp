#include "ClockRun.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <tuple>

using fake::ClockRun;

namespace {

constexpr double kTwipTolerance = 0.05;
const std::string kEqualSize = "ViewTime=0\r\nShapeWidth=1\r\n";

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

// The hours, minutes and seconds figures, as "10:20:30".
std::string figuresOf(Form1& clock)
{
    return clock.lblS[2].caption() + ":" + clock.lblS[1].caption() + ":" + clock.lblS[0].caption();
}

// A run at 10:20:30 on a 1024 x 768 screen, started and ticked once.
void startAtTenTwenty(ClockRun& r, const std::string& settings = fake::kDefaultSettings)
{
    r.platform.setTime(10, 20, 30);
    ASSERT_TRUE(r.startWith(settings));
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
    // The first drawing leaves the hours circle's unit, 380, behind.
    EXPECT_EQ(different.sizes(), fake::kDifferentSizes);

    ClockRun equal;
    startAtTenTwenty(equal, kEqualSize);
    expectFace(equal.clock(),
               {{{7680.0, 9000.0, 7140.0, 9000.0, 7345.2, 9167.4},
                 {9550.6, 6840.0, 9478.3, 6570.0, 9683.5, 6737.4},
                 {6852.7, 5065.8, 5899.0, 4178.7, 6092.0, 4330.7}}},
               "Equal size");
    EXPECT_EQ(equal.sizes(), fake::kEqualSizes);

    // Picking "Different size" in the visible dialog draws the first pass after the style.
    equal.pressSetupKey();
    equal.dialog().optSW[0].click();
    EXPECT_NEAR(equal.clock().LineS[0].x2(), 7680.0, kTwipTolerance);
    EXPECT_NEAR(equal.clock().LineS[0].y2(), 9120.0, kTwipTolerance);
    EXPECT_NEAR(equal.clock().LineS[1].x2(), 9862.4, kTwipTolerance);
    EXPECT_EQ(equal.sizes(), fake::kDifferentSizes) << "only two groups shrink";
    equal.tick();
    EXPECT_NEAR(equal.clock().LineS[0].y2(), 8800.0, kTwipTolerance);

    // The second clock style, picked in the dialog of "/c".
    ClockRun clock2;
    clock2.platform.commandLineText = "/c";
    startAtTenTwenty(clock2);
    clock2.dialog().chkBG[1].click();
    clock2.tick();
    expectFace(clock2.clock(),
               {{{0, 0, 7190.0, 9050.0, 7340.0, 9170.0},
                 {0, 0, 9528.3, 6620.0, 9678.3, 6740.0},
                 {0, 0, 5949.0, 4228.7, 6099.0, 4348.7}}},
               "Clock2, Equal size");
}

TEST(ClockFace, AnglesAndFigures)
{
    const std::vector<std::pair<std::string, std::array<float, 3>>> cases = {
        {"10:20:30", {1.5707999f, 0.52359998f, 3.8397334f}},
        {"10:20:0", {-1.5708f, 0.52359998f, 3.8397334f}},
        {"10:20:15", {0.0f, 0.52359998f, 3.8397334f}},
        {"10:20:45", {3.1416f, 0.52359998f, 3.8397334f}},
        {"15:0:0", {-1.5708f, -1.5708f, 6.2832f}},
        {"0:0:0", {-1.5708f, -1.5708f, -1.5708f}},
    };
    for (const auto& [time, angles] : cases) {
        int h = 0, m = 0, s = 0;
        std::sscanf(time.c_str(), "%d:%d:%d", &h, &m, &s);
        ClockRun r;
        r.platform.setTime(h, m, s);
        ASSERT_TRUE(r.start());
        r.tick();
        EXPECT_EQ(figuresOf(r.clock()), time);
        for (int k = 0; k < 3; ++k)
            EXPECT_FLOAT_EQ(r.clock().Angles[k], angles[k]) << time << " " << k;
    }
    // In "Time from start" the figures count from the start, across midnight too, while the
    // circles keep standing at the time of day.
    ClockRun r;
    r.platform.setTime(23, 59, 50);
    ASSERT_TRUE(r.startWith("ViewTime=1\r\n"));
    r.platform.setTime(0, 0, 5);
    r.tick();
    EXPECT_EQ(figuresOf(r.clock()), "0:0:15");
    EXPECT_FLOAT_EQ(r.clock().Angles[0], static_cast<float>((5 - 15) * 0.10472));
}

TEST(ClockFace, DefaultElementsThenTheHintFadesAndTheTickCounterStops)
{
    ClockRun r;
    ASSERT_TRUE(r.start());
    Form1& clock = r.clock();
    EXPECT_EQ(clock.ShapeS[1].bounds(), (tk::Bounds{7140, 5220, 1080, 1080})) << "the centre";
    EXPECT_EQ(clock.ShapeS[1].borderWidth(), 1);
    EXPECT_EQ(clock.ShapeS[1].borderStyle(), tk::BorderStyle::Solid);
    EXPECT_FALSE(clock.ShapeS[0].visible());
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(clock.ShapeS[k + 2].borderWidth(), 2) << k;
        EXPECT_EQ(clock.ShapeS[k + 2].shape(), tk::ShapeKind::Circle) << k;
        EXPECT_TRUE(clock.lblS[k].font().bold && clock.lblS[k].font().name == "Tahoma") << k;
    }
    std::string frontToBack;
    for (auto it = clock.stacking().rbegin(); it != clock.stacking().rend(); ++it)
        frontToBack += (*it)->name() + std::to_string((*it)->index()) + " ";
    EXPECT_EQ(frontToBack, "lblS2 ShapeS4 lblS1 ShapeS3 lblS0 ShapeS2 ShapeS1 ShapeS0 LineS0 "
                           "LineS1 LineS2 ");

    EXPECT_EQ(clock.lblF1.left(), 15360 - clock.lblF1.width());
    EXPECT_EQ(clock.lblF1.top(), 11520 - clock.lblF1.height());
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
    EXPECT_EQ(figuresOf(clock), "0:0:7");
    EXPECT_FALSE(clock.lblF1.visible());
}

TEST(ClockFace, DoClock2DialByScreenWidth)
{
    // Screens without a dial of their own (the emblem here) cannot choose "Clock2".
    using Dial = tk::BuiltInPicture;
    const std::vector<std::pair<int, Dial>> cases = {
        {1024, Dial::Dial1024x768}, {800, Dial::Dial800x600},   {1280, Dial::Dial1280x1024},
        {1152, Dial::CentreEmblem}, {1920, Dial::CentreEmblem}, {2560, Dial::CentreEmblem}};
    for (const auto& [width, dial] : cases) {
        SCOPED_TRACE(width);
        ClockRun r;
        r.platform.setScreenPixels(width, width * 3 / 4);
        ASSERT_TRUE(r.start());
        Form1& clock = r.clock();
        const bool hasDial = dial != Dial::CentreEmblem;
        EXPECT_EQ(r.dialog().chkBG[1].enabled(), hasDial);
        EXPECT_EQ(clock.ShapeS[1].left(), width * 15 / 2 - 540);
        clock.DoClock2();
        EXPECT_EQ(clock.picture(), hasDial ? r.platform.builtInPicture(dial) : nullptr);
        EXPECT_EQ(clock.ShapeS[1].borderStyle(), tk::BorderStyle::None);
        for (int g = 0; g < 3; ++g) {
            EXPECT_FALSE(clock.LineS[g].visible());
            EXPECT_EQ(clock.lblS[g].font().size, 28);
            EXPECT_EQ(clock.ShapeS[g + 2].width(), 980);
            EXPECT_EQ(clock.ShapeS[g + 2].height(), 980);
        }
    }
}

TEST(ClockFace, DoBackGround)
{
    // "Back", whether the file is there, and what shows after the second style's dial: the
    // file, the dial still, or nothing.
    const std::vector<std::tuple<int, bool, std::string>> cases = {
        {1, true, "file"}, {1, false, "dial"}, {0, true, ""}};
    for (const auto& [back, filePresent, expected] : cases) {
        ClockRun r;
        if (filePresent)
            r.platform.putFile("Tikora_Clock_bg.jpg", "picture");
        ASSERT_TRUE(r.start());
        Form1& clock = r.clock();
        r.dialog().chkBG[0].setValue(back);
        clock.DoClock2();
        const tk::PictureRef dial = clock.picture();
        clock.DoBackGround();
        const std::string shown =
            clock.picture() == dial ? "dial" : r.platform.sourceOf(clock.picture());
        EXPECT_EQ(shown, expected == "file" ? r.platform.pathOf("Tikora_Clock_bg.jpg") : expected);
        for (int g = 0; g < 3; ++g)
            EXPECT_TRUE(clock.LineS[g].visible()) << expected;
        EXPECT_EQ(clock.ShapeS[1].borderStyle(), tk::BorderStyle::Solid);
        EXPECT_TRUE(r.platform.messages.empty());
    }
}

} // namespace
