#include "ClockRun.h"

#include <gtest/gtest.h>

#include <tuple>

using fake::ClockRun;

namespace {

TEST(SaveAndCancel, SaveWritesTheLiveValuesAndEnds)
{
    ClockRun r;
    ASSERT_TRUE(r.openDialog());
    r.dialog().optWT[1].click();
    r.dialog().optSW[1].click();
    r.dialog().chkBG[0].click();
    r.platform.colourAnswers = {65280, tk::rgb(1, 2, 3)};
    r.platform.fontAnswers = {tk::FontChoice{"Arial", 15.75f, tk::rgb(200, 0, 0)}};
    r.dialog().lblCOLOR[0].click();
    r.dialog().lblCOLOR[3].click();
    r.dialog().lblCOLOR[2].click();
    r.dialog().lblLOC[0].click();
    EXPECT_FALSE(r.runs([&] { r.dialog().cmdOK[0].click(); }));
    EXPECT_EQ(r.settingsText(), "ViewTime=1\r\nShapeWidth=1\r\nPicCenter=Встроенная\r\n"
                                "SlideShowTime=0\r\nLocalisation=0\r\nBack=1\r\nHColor=200\r\n"
                                "MColor=8421631\r\nSColor=65280\r\nCColor=197121\r\n"
                                "HSize=15.75\r\nFName=Arial\r\nClock2=0\r\n");
    EXPECT_TRUE(r.platform.messages.empty());
}

TEST(SaveAndCancel, SaveSettlesThePictureFromThePathField)
{
    // Whether "Default" is picked first, the name in the program folder then typed into the
    // path field, the picture saved (a name in the program folder, or "Default"), and whether
    // the program warns that the picture is not found. The stored picture is "old.gif".
    const std::vector<std::tuple<bool, std::string, std::string, bool>> cases = {
        {false, "", "Default", false},         {false, "gone.gif", "old.gif", true},
        {false, "new.gif\n", "old.gif", true}, {false, "new.gif", "new.gif", false},
        {true, "new.gif", "Default", false},   {true, "gone.gif", "Default", true}};
    for (const auto& [pickDefault, typed, saved, warns] : cases) {
        SCOPED_TRACE((pickDefault ? "Default, " : "") + typed);
        ClockRun r;
        // A name that holds a line break is refused even when such a file exists.
        for (const char* name : {"old.gif", "new.gif", "new.gif\n"})
            r.platform.putFile(name, "picture");
        ASSERT_TRUE(
            r.openDialog(fake::defaultSettingsWith({"PicCenter=" + r.platform.pathOf("old.gif")})));
        if (pickDefault)
            r.dialog().optPIC[0].click();
        r.dialog().txtOUT.setText(typed.empty() ? "" : r.platform.pathOf(typed));
        r.dialog().optWT[1].click();
        EXPECT_FALSE(r.runs([&] { r.dialog().cmdOK[0].click(); }));
        const std::string picture = saved == "Default" ? saved : r.platform.pathOf(saved);
        EXPECT_EQ(r.settingsText(),
                  fake::defaultSettingsWith({"ViewTime=1", "PicCenter=" + picture}));
        const fake::MessageRecord notFound{"Picture not found! Old is remained.", "Attention",
                                           tk::MessageIcon::Information, tk::MessageButtons::Ok};
        EXPECT_EQ(r.platform.messages, std::vector<fake::MessageRecord>(warns ? 1 : 0, notFound));
    }
}

TEST(SaveAndCancel, AFailingSaveKeepsTheDialogOpenAndCancelEndsWithoutWriting)
{
    ClockRun r;
    ASSERT_TRUE(r.openDialog());
    r.dialog().lblLOC[0].click();
    r.dialog().optWT[1].click();
    r.dialog().optSW[1].click();
    r.platform.failWrites = true;
    EXPECT_TRUE(r.runs([&] { r.dialog().cmdOK[0].click(); }));
    ASSERT_EQ(r.platform.messages.size(), 1u);
    EXPECT_EQ(r.platform.messages[0].text, r.module().strSaveFailed);
    EXPECT_EQ(r.platform.messages[0].title, "Attention");
    EXPECT_TRUE(r.dialog().visible());
    const int writes = r.platform.writeCount;
    EXPECT_FALSE(r.runs([&] { r.dialog().cmdOK[1].click(); }));
    EXPECT_EQ(r.platform.writeCount, writes) << "Cancel writes nothing";
    EXPECT_EQ(r.settingsText(), fake::kDefaultSettings);
}

} // namespace
