#include "ClockRun.h"

#include <gtest/gtest.h>

using fake::ClockRun;

// What a user sees of the face, looked at headless.

namespace {

TEST(UserView, TheFiguresAndTheHintShowFromTheStart)
{
    ClockRun r;
    r.platform.setTime(10, 20, 30);
    ASSERT_TRUE(r.start());
    Form1& c = r.clock();
    EXPECT_EQ(c.lblF1.caption(), "Click <1> for setup");
    EXPECT_TRUE(c.lblF1.visible());
    r.tick();
    for (int k = 0; k < 3; ++k)
        EXPECT_TRUE(c.lblS[k].visible()) << k;
    EXPECT_EQ(c.lblS[0].caption() + " " + c.lblS[1].caption() + " " + c.lblS[2].caption(),
              "30 20 10");
}

TEST(UserView, TimeFromStartCountsFromZero)
{
    // At the start and a whole day later the run's length reads 0:0:0, never 24.
    ClockRun r;
    r.platform.setTime(10, 20, 30);
    ASSERT_TRUE(r.startWith(fake::defaultSettingsWith({"ViewTime=1"})));
    const auto figures = [&] {
        r.tick();
        const Form1& c = r.clock();
        return c.lblS[2].caption() + ":" + c.lblS[1].caption() + ":" + c.lblS[0].caption();
    };
    EXPECT_EQ(figures(), "0:0:0");
    r.platform.setTime(10, 20, 29);
    EXPECT_EQ(figures(), "23:59:59");
    r.platform.setTime(10, 20, 31);
    EXPECT_EQ(figures(), "0:0:1");
}

TEST(UserView, WhiteIsAColourLikeAnyOther)
{
    // 16777215 is white, the largest colour there is: it is read, shown and saved as white.
    ClockRun r;
    ASSERT_TRUE(r.openDialog(fake::defaultSettingsWith({"HColor=16777215", "CColor=16777215"})));
    const Form1& c = r.clock();
    EXPECT_EQ(c.lblS[2].foreColor(), tk::kWhite);
    EXPECT_EQ(c.LineS[2].borderColor(), tk::kWhite);
    EXPECT_EQ(c.ShapeS[4].borderColor(), tk::kWhite);
    EXPECT_EQ(c.ShapeS[2].backColor(), tk::kWhite);
    EXPECT_FALSE(r.runs([&] { r.dialog().cmdOK_Click(0); }));
    EXPECT_EQ(r.settingsText(), fake::defaultSettingsWith({"HColor=16777215", "CColor=16777215"}));
}

} // namespace
