#include "ClockRun.h"
#include "Form1.h"
#include "Form2.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

using fake::ClockRun;

namespace {

const std::string kDefaultFile =
    "ViewTime=0\r\nShapeWidth=0\r\nPicCenter=Default\r\nSlideShowTime=0\r\n"
    "Localisation=1\r\nBack=0\r\nHColor=255\r\nMColor=8421631\r\n"
    "SColor=12632319\r\nCColor=0\r\nHSize=30\r\nFName=Tahoma\r\nClock2=0\r\n";

TEST(SettingsFile, AMissingFileIsWrittenWithTheDefaults)
{
    ClockRun r;
    ASSERT_TRUE(r.start());
    EXPECT_EQ(r.settingsText(), kDefaultFile);
    EXPECT_EQ(r.platform.writeCount, 1);
    EXPECT_EQ(r.module().PicCenter, "Default");
    EXPECT_EQ(r.module().Localisation, 1);
    EXPECT_TRUE(r.platform.messages.empty());
    // No temporary file is left beside it.
    EXPECT_EQ(r.platform.listDirectory(r.platform.programFolder() + "/"),
              std::vector<std::string>{"Tikora_Clock.ini"});
}

TEST(SettingsFile, ReadByPosition)
{
    struct Case {
        std::string name;
        std::string file;
        float viewTime, shapeWidth, localisation;
        std::string picCenter;
        std::map<int, std::string> slots;
    };
    std::string twentyLines;
    for (int i = 0; i < 20; ++i)
        twentyLines += "Extra=" + std::to_string(i) + "\r\n";
    const std::vector<Case> cases = {
        {"empty", "", 0, 0, 1, "Default", {{6, "255"}, {11, "Tahoma"}, {12, "0"}}},
        {"two lines", "ViewTime=1\r\nShapeWidth=1\r\n", 1, 1, 1, "Default", {{10, "30"}}},
        {"out of order", "HColor=255\r\nViewTime=0\r\n", 255, 0, 1, "Default", {{1, "0"}}},
        {"path with =",
         "ViewTime=0\r\nShapeWidth=0\r\nPicCenter=/pics/a=b.jpg\r\n",
         0,
         0,
         1,
         "/pics/a=b.jpg",
         {}},
        {"no =", "just text\r\nShapeWidth=1", 0, 1, 1, "Default", {{0, "just text"}}},
        {"LF only", "ViewTime=1\nShapeWidth=1\nPicCenter=x\n", 1, 1, 1, "x", {{3, "0"}}},
        {"CR only", "ViewTime=1\rShapeWidth=1\rPicCenter=x\r", 1, 1, 1, "x", {{3, "0"}}},
        {"mixed ends",
         "ViewTime=1\r\nShapeWidth=1\nPicCenter=x\rSlideShowTime=0",
         1,
         1,
         1,
         "x",
         {}},
        {"too many lines", twentyLines, 0, 1, 1, "2", {{15, "15"}, {12, "12"}}},
        {"garbage numbers", "ViewTime=abc\r\nShapeWidth=?\r\n", 0, 0, 1, "Default", {{0, "abc"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClockRun r;
        r.platform.putFile("Tikora_Clock.ini", c.file);
        ASSERT_TRUE(r.start());
        EXPECT_EQ(r.module().ViewTime, c.viewTime);
        EXPECT_EQ(r.module().ShapeWidth, c.shapeWidth);
        EXPECT_EQ(r.module().Localisation, c.localisation);
        EXPECT_EQ(r.module().PicCenter, c.picCenter);
        for (const auto& [slot, text] : c.slots)
            EXPECT_EQ(r.module().strSettings[slot], text) << "slot " << slot;
        EXPECT_EQ(r.platform.writeCount, 0);
        EXPECT_EQ(r.settingsText(), c.file);
    }
}

TEST(SettingsFile, LocalisationVariants)
{
    const std::vector<std::pair<std::string, float>> cases = {
        {"0", 0}, {"1", 1}, {"01", 1}, {"", 1}, {"x", 1}, {"7", 1}, {" 0", 1}, {"0 ", 1},
    };
    for (const auto& [text, language] : cases) {
        ClockRun r;
        r.platform.putFile("Tikora_Clock.ini",
                           "ViewTime=0\r\nShapeWidth=0\r\nPicCenter=Default\r\nSlideShowTime=0\r\n"
                           "Localisation=" +
                               text + "\r\n");
        ASSERT_TRUE(r.start());
        EXPECT_EQ(r.module().Localisation, language) << '"' << text << '"';
        EXPECT_EQ(r.dialog().optWT[0].caption(), language == 0 ? "Текущее время" : "Current time");
    }
}

TEST(SettingsFile, GarbageInTheLookSlotsKeepsTheDefaults)
{
    ClockRun r;
    std::string file = "ViewTime=abc\r\nShapeWidth=0\r\nPicCenter=Default\r\nSlideShowTime=zz\r\n"
                       "Localisation=1\r\nBack=yes\r\nHColor=xyz\r\nMColor=-5\r\nSColor=\r\n"
                       "CColor=blue\r\nHSize=big\r\nFName=Tahoma\r\nClock2=maybe\r\n";
    r.platform.putFile("Tikora_Clock.ini", file);
    ASSERT_TRUE(r.start());
    Form1& clock = r.clock();
    EXPECT_EQ(r.module().ViewTime, 0);
    EXPECT_EQ(r.module().SlideShowTime, 0);
    EXPECT_EQ(clock.lblS[2].foreColor(), 255);
    EXPECT_EQ(clock.lblS[1].foreColor(), 8421631);
    EXPECT_EQ(clock.lblS[0].foreColor(), 12632319);
    EXPECT_EQ(clock.ShapeS[2].backColor(), 0);
    EXPECT_EQ(clock.lblS[2].font().size, 30);
    EXPECT_EQ(clock.lblS[0].font().size, 15);
    EXPECT_EQ(r.dialog().chkBG[0].value(), 0);
    EXPECT_EQ(r.dialog().chkBG[1].value(), 0);
    EXPECT_EQ(r.settingsText(), file);
}

TEST(SettingsFile, AFolderThatCannotBeWrittenLeavesTheDefaultsSilently)
{
    ClockRun r;
    r.platform.failWrites = true;
    ASSERT_TRUE(r.start());
    EXPECT_FALSE(r.platform.fileExists("Tikora_Clock.ini"));
    EXPECT_TRUE(r.platform.messages.empty());
    EXPECT_EQ(r.clock().lblS[2].font().size, 30);
    r.tick();
    EXPECT_EQ(r.module().Localisation, 1);
}

TEST(SettingsFile, AReadOnlyFolderOnDisk)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root ignores permissions";
    ClockRun r;
    namespace fs = std::filesystem;
    fs::permissions(r.platform.programFolder(),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    ASSERT_TRUE(r.start());
    EXPECT_FALSE(r.platform.fileExists("Tikora_Clock.ini"));
    EXPECT_TRUE(r.platform.messages.empty());
}

TEST(SettingsFile, AFileThatCannotBeReadIsNotOverwritten)
{
    ClockRun r;
    r.platform.putFile("Tikora_Clock.ini", "ViewTime=1\r\n");
    r.platform.failReads = true;
    ASSERT_TRUE(r.start());
    EXPECT_EQ(r.platform.writeCount, 0);
    r.platform.failReads = false;
    EXPECT_EQ(r.settingsText(), "ViewTime=1\r\n");
    EXPECT_EQ(r.module().ViewTime, 0);
}

} // namespace
