#include "ClockRun.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>

using fake::ClockRun;

namespace {

TEST(SettingsFile, AMissingFileIsWrittenWithTheDefaultsUnlessItCannotBe)
{
    ClockRun r;
    ASSERT_TRUE(r.start());
    EXPECT_EQ(r.settingsText(), "ViewTime=0\r\nShapeWidth=0\r\nPicCenter=Default\r\n"
                                "SlideShowTime=0\r\nLocalisation=1\r\nBack=0\r\nHColor=255\r\n"
                                "MColor=8421631\r\nSColor=12632319\r\nCColor=0\r\nHSize=30\r\n"
                                "FName=Tahoma\r\nClock2=0\r\n");
    EXPECT_EQ(r.platform.writeCount, 1);
    EXPECT_TRUE(r.platform.messages.empty());

    // A folder that cannot be written: the defaults, silently.
    ClockRun unwritable;
    unwritable.platform.failWrites = true;
    ASSERT_TRUE(unwritable.start());
    EXPECT_EQ(unwritable.settingsText(), "<missing>");
    EXPECT_TRUE(unwritable.platform.messages.empty());
    EXPECT_EQ(unwritable.clock().lblS[2].font().size, 30);

    // A file that exists but cannot be read is not overwritten.
    ClockRun unreadable;
    unreadable.platform.failReads = true;
    ASSERT_TRUE(unreadable.startWith("ViewTime=1\r\n"));
    EXPECT_EQ(unreadable.platform.writeCount, 0);
    EXPECT_EQ(unreadable.module().ViewTime, 0);
    unreadable.platform.failReads = false;
    EXPECT_EQ(unreadable.settingsText(), "ViewTime=1\r\n");
}

TEST(SettingsFile, ReadByPosition)
{
    std::string twentyLines;
    for (int i = 0; i < 20; ++i)
        twentyLines += "Extra=" + std::to_string(i) + "\r\n";
    // A name, the file, then ViewTime, ShapeWidth, Localisation and PicCenter as read, and some
    // slots of the settings.
    using Case = std::tuple<std::string, std::string, std::string, std::map<int, std::string>>;
    const std::vector<Case> cases = {
        {"empty", "", "0 0 1 Default", {{6, "255"}, {11, "Tahoma"}, {12, "0"}}},
        {"two lines", "ViewTime=1\r\nShapeWidth=1\r\n", "1 1 1 Default", {{10, "30"}}},
        // The first line's 255 is the time mode's second option, "Time from start".
        {"out of order", "HColor=255\r\nViewTime=0\r\n", "1 0 1 Default", {{0, "255"}, {1, "0"}}},
        {"path with =", "ViewTime=0\r\nShapeWidth=0\r\nPicCenter=/a=b\r\n", "0 0 1 /a=b", {}},
        {"no =", "just text\r\nShapeWidth=1", "0 1 1 Default", {{0, "just text"}}},
        {"LF only", "ViewTime=1\nShapeWidth=1\nPicCenter=x\n", "1 1 1 x", {{3, "0"}}},
        {"mixed ends", "ViewTime=1\r\nShapeWidth=1\nPicCenter=x\r", "1 1 1 x", {}},
        {"too many lines", twentyLines, "0 1 1 2", {{15, "15"}, {12, "12"}}},
    };
    for (const auto& [name, file, values, slots] : cases) {
        SCOPED_TRACE(name);
        ClockRun r;
        ASSERT_TRUE(r.startWith(file));
        const Module1& m = r.module();
        EXPECT_EQ(tk::singleText(m.ViewTime) + " " + tk::singleText(m.ShapeWidth) + " " +
                      tk::singleText(m.Localisation) + " " + m.PicCenter,
                  values);
        for (const auto& [slot, text] : slots)
            EXPECT_EQ(m.strSettings[slot], text) << "slot " << slot;
        EXPECT_EQ(r.platform.writeCount, 0);
        EXPECT_EQ(r.settingsText(), file);
    }
}

TEST(SettingsFile, LocalisationVariants)
{
    // Only "0" gives Russian; anything else, a digit or a blank more included, gives English.
    for (const std::string text : {"0", "1", "01", "", "x", "7", " 0", "0 "}) {
        ClockRun r;
        ASSERT_TRUE(r.startWith(fake::defaultSettingsWith({"Localisation=" + text})));
        EXPECT_EQ(r.module().Localisation, text == "0" ? 0 : 1) << '"' << text << '"';
    }
}

TEST(SettingsFile, GarbageNumbersKeepTheDefaultsMeaning)
{
    ClockRun r;
    const std::string file =
        "ViewTime=abc\r\nShapeWidth=?\r\nPicCenter=Default\r\nSlideShowTime=zz\r\n"
        "Localisation=1\r\nBack=yes\r\nHColor=xyz\r\nMColor=-\r\nSColor=\r\n"
        "CColor=blue\r\nHSize=big\r\nFName=Tahoma\r\nClock2=maybe\r\n";
    ASSERT_TRUE(r.startWith(file));
    EXPECT_EQ(r.module().strSettings[0], "abc");
    EXPECT_EQ(r.module().ViewTime, 0);
    EXPECT_EQ(r.module().SlideShowTime, 0);
    EXPECT_EQ(r.look(), "SMH SMH SSMH 0000 SMH0");
    EXPECT_EQ(r.sizes(), fake::kDifferentSizes);
    EXPECT_EQ(r.dialog().chkBG[0].value() + r.dialog().chkBG[1].value(), 0);
    EXPECT_EQ(r.settingsText(), file);
}

} // namespace
