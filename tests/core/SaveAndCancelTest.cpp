#include "ClockRun.h"
#include "Form1.h"
#include "Form2.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using fake::ClockRun;

namespace {

std::string settingsFile(const std::string& picCenter, const std::string& language = "1")
{
    return "ViewTime=0\r\nShapeWidth=0\r\nPicCenter=" + picCenter +
           "\r\nSlideShowTime=0\r\nLocalisation=" + language +
           "\r\nBack=0\r\nHColor=255\r\nMColor=8421631\r\n"
           "SColor=12632319\r\nCColor=0\r\nHSize=30\r\nFName=Tahoma\r\nClock2=0\r\n";
}

// A run whose settings name an existing picture, with the dialog opened by the key "1".
void openDialog(ClockRun& r, const std::string& file)
{
    r.platform.putFile("old.gif", "picture 49x49");
    r.platform.putFile("new.gif", "picture 49x49");
    r.platform.putFile("Tikora_Clock.ini", file);
    ASSERT_TRUE(r.start());
    r.pressSetupKey();
}

TEST(SaveAndCancel, SaveWritesTheLiveValuesAndEnds)
{
    ClockRun r;
    openDialog(r, settingsFile("Default"));
    Form2& d = r.dialog();
    d.optWT[1].click();
    d.optSW[1].click();
    d.chkBG[0].click();
    r.platform.colourAnswers = {65280, tk::rgb(1, 2, 3)};
    r.platform.fontAnswers = {tk::FontChoice{"Arial", 15.75f, tk::rgb(200, 0, 0)}};
    d.lblCOLOR[0].click();
    d.lblCOLOR[3].click();
    d.lblCOLOR[2].click();
    d.lblLOC[0].click();
    EXPECT_FALSE(r.runs([&] { d.cmdOK[0].click(); }));
    EXPECT_EQ(r.settingsText(), "ViewTime=1\r\nShapeWidth=1\r\nPicCenter=Встроенная\r\n"
                                "SlideShowTime=0\r\nLocalisation=0\r\nBack=1\r\nHColor=200\r\n"
                                "MColor=8421631\r\nSColor=65280\r\nCColor=197121\r\n"
                                "HSize=15.75\r\nFName=Arial\r\nClock2=0\r\n");
    EXPECT_TRUE(r.platform.messages.empty());
}

TEST(SaveAndCancel, SaveSettlesThePictureFromThePathField)
{
    struct Case {
        std::string name;
        std::function<void(ClockRun&)> edit;
        std::string savedPicture; // "old" and "new" stand for the two picture paths
        bool warns;
    };
    const std::vector<Case> cases = {
        {"empty", [](ClockRun& r) { r.dialog().txtOUT.setText(""); }, "Default", false},
        {"missing", [](ClockRun& r) { r.dialog().txtOUT.setText(r.platform.pathOf("gone.gif")); },
         "old", true},
        {"line break",
         [](ClockRun& r) { r.dialog().txtOUT.setText(r.platform.pathOf("new.gif") + "\n"); }, "old",
         true},
        {"existing", [](ClockRun& r) { r.dialog().txtOUT.setText(r.platform.pathOf("new.gif")); },
         "new", false},
        {"Default selected",
         [](ClockRun& r) {
             r.dialog().optPIC[0].click();
             r.dialog().txtOUT.setText(r.platform.pathOf("new.gif"));
         },
         "Default", false},
        {"Default selected, missing",
         [](ClockRun& r) {
             r.dialog().optPIC[0].click();
             r.dialog().txtOUT.setText(r.platform.pathOf("gone.gif"));
         },
         "Default", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClockRun r;
        const std::string oldPath = r.platform.pathOf("old.gif");
        openDialog(r, settingsFile(oldPath));
        EXPECT_EQ(r.dialog().txtOUT.text(), oldPath);
        c.edit(r);
        r.dialog().optWT[1].click();
        EXPECT_FALSE(r.runs([&] { r.dialog().cmdOK[0].click(); }));
        const std::string saved = c.savedPicture == "old"   ? oldPath
                                  : c.savedPicture == "new" ? r.platform.pathOf("new.gif")
                                                            : c.savedPicture;
        std::string expected = settingsFile(saved);
        expected.replace(0, 10, "ViewTime=1");
        EXPECT_EQ(r.settingsText(), expected);
        ASSERT_EQ(r.platform.messages.size(), c.warns ? 1u : 0u);
        if (c.warns) {
            EXPECT_EQ(r.platform.messages[0].text, "Picture not found! Old is remained.");
            EXPECT_EQ(r.platform.messages[0].title, "Attention");
            EXPECT_EQ(r.platform.messages[0].icon, tk::MessageIcon::Information);
            EXPECT_EQ(r.platform.messages[0].buttons, tk::MessageButtons::Ok);
        }
    }
}

TEST(SaveAndCancel, AFailingWriteSaysSoAndKeepsTheDialogOpen)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"1", "Settings could not be saved."}, {"0", "Не удалось сохранить настройки."}};
    for (const auto& [language, text] : cases) {
        ClockRun r;
        const std::string file = settingsFile("Default", language);
        openDialog(r, file);
        r.dialog().optWT[1].click();
        r.platform.failWrites = true;
        EXPECT_TRUE(r.runs([&] { r.dialog().cmdOK[0].click(); })) << language;
        ASSERT_EQ(r.platform.messages.size(), 1u);
        EXPECT_EQ(r.platform.messages[0].text, text);
        EXPECT_EQ(r.platform.messages[0].title, "Attention");
        EXPECT_TRUE(r.dialog().visible());
        EXPECT_EQ(r.settingsText(), file);
    }
}

TEST(SaveAndCancel, CancelEndsWithoutWriting)
{
    ClockRun r;
    const std::string file = settingsFile("Default");
    openDialog(r, file);
    Form2& d = r.dialog();
    d.lblLOC[0].click();
    EXPECT_EQ(d.optWT[0].caption(), "Текущее время");
    EXPECT_EQ(r.module().Localisation, 0);
    d.optWT[1].click();
    d.optSW[1].click();
    EXPECT_FALSE(r.runs([&] { d.cmdOK[1].click(); }));
    EXPECT_EQ(r.settingsText(), file);
    EXPECT_EQ(r.platform.writeCount, 0);
}

} // namespace
