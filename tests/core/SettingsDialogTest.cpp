#include "ClockRun.h"
#include "Form1.h"
#include "Form2.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

using fake::ClockRun;

namespace {

constexpr tk::Colour kSeconds = 12632319;
constexpr tk::Colour kMinutes = 8421631;
constexpr tk::Colour kHours = 255;
constexpr tk::Colour kGreen = 65280;
constexpr tk::Colour kTeal = tk::rgb(0, 128, 128);

// Every colour that the colour rows reach.
struct Look {
    std::array<tk::Colour, 3> lines, labels;
    std::array<tk::Colour, 4> borders; // ShapeS(1) to ShapeS(4)
    std::array<tk::Colour, 3> fills;   // ShapeS(2) to ShapeS(4)
    std::array<tk::Colour, 4> swatches;
    bool operator==(const Look&) const = default;
};

const Look kDefaultLook{{kSeconds, kMinutes, kHours},
                        {kSeconds, kMinutes, kHours},
                        {kSeconds, kSeconds, kMinutes, kHours},
                        {0, 0, 0},
                        {kSeconds, kMinutes, kHours, 0}};

Look lookOf(ClockRun& r)
{
    Form1& c = r.clock();
    Look look{};
    for (int k = 0; k < 3; ++k) {
        look.lines[k] = c.LineS[k].borderColor();
        look.labels[k] = c.lblS[k].foreColor();
        look.fills[k] = c.ShapeS[k + 2].backColor();
    }
    for (int k = 0; k < 4; ++k) {
        look.borders[k] = c.ShapeS[k + 1].borderColor();
        look.swatches[k] = r.dialog().txtCOLOR[k].backColor();
    }
    return look;
}

std::string settingsFile(const std::string& viewTime, const std::string& picCenter)
{
    return "ViewTime=" + viewTime + "\r\nShapeWidth=0\r\nPicCenter=" + picCenter +
           "\r\nSlideShowTime=0\r\nLocalisation=1\r\nBack=0\r\nHColor=255\r\nMColor=8421631\r\n"
           "SColor=12632319\r\nCColor=0\r\nHSize=30\r\nFName=Tahoma\r\nClock2=0\r\n";
}

// A run with the default settings file and the dialog opened by the key "1".
void openDialog(ClockRun& r, const std::string& file = settingsFile("0", "Default"))
{
    r.platform.putFile("Tikora_Clock.ini", file);
    r.platform.setTime(10, 20, 30);
    ASSERT_TRUE(r.start());
    r.pressSetupKey();
}

TEST(SettingsDialog, ColourRows)
{
    struct Case {
        int row;
        std::optional<tk::Colour> answer;
        tk::Colour preset;
        std::function<void(Look&)> change;
    };
    const std::vector<Case> cases = {
        {0, kGreen, kSeconds,
         [](Look& l) {
             l.lines[0] = l.labels[0] = l.borders[0] = l.borders[1] = l.swatches[0] = kGreen;
         }},
        {0, std::nullopt, kSeconds, [](Look&) {}},
        {1, kTeal, kMinutes,
         [](Look& l) { l.lines[1] = l.labels[1] = l.borders[2] = l.swatches[1] = kTeal; }},
        {1, std::nullopt, kMinutes, [](Look&) {}},
        {3, kTeal, 0,
         [](Look& l) {
             l.fills = {kTeal, kTeal, kTeal};
             l.swatches[3] = kTeal;
         }},
        {3, std::nullopt, 0, [](Look&) {}},
    };
    for (const char* style : {"0", "1"}) {
        for (const Case& c : cases) {
            SCOPED_TRACE("style " + std::string(style) + " row " + std::to_string(c.row));
            ClockRun r;
            openDialog(r, "ViewTime=0\r\nShapeWidth=" + std::string(style) + "\r\n");
            r.platform.colourAnswers.push_back(c.answer);
            r.dialog().lblCOLOR[c.row].click();
            Look expected = kDefaultLook;
            c.change(expected);
            EXPECT_TRUE(lookOf(r) == expected);
            EXPECT_EQ(r.platform.colourPresets, std::vector<tk::Colour>{c.preset});
            EXPECT_EQ(r.clock().ShapeS[1].backColor(), tk::kBlack);
            EXPECT_EQ(r.clock().ComDial.color, c.answer.value_or(c.preset));
        }
    }
}

TEST(SettingsDialog, ColourPickerCarriesItsValuesOver)
{
    ClockRun r;
    openDialog(r);
    r.platform.colourAnswers = {kTeal, std::nullopt};
    r.platform.fontAnswers = {tk::FontChoice{"Arial", 24, kGreen}};
    r.dialog().lblCOLOR[3].click();
    r.dialog().lblCOLOR[3].click();
    EXPECT_EQ(r.platform.colourPresets, (std::vector<tk::Colour>{0, kTeal}));
    EXPECT_EQ(r.clock().ShapeS[2].backColor(), kTeal);
    r.dialog().lblCOLOR[2].click();
    r.dialog().lblCOLOR[0].click();
    EXPECT_EQ(r.clock().ComDial.fontName, "Arial");
    EXPECT_EQ(r.clock().ComDial.fontSize, 24);
    EXPECT_EQ(r.clock().ComDial.color, kSeconds);
    EXPECT_EQ(r.clock().ComDial.flags, 1048833);
}

TEST(SettingsDialog, FontRow)
{
    struct Case {
        std::string style;
        std::optional<tk::FontChoice> answer;
        std::array<float, 3> sizes; // seconds, minutes, hours
        std::array<std::string, 3> texts;
        std::string face;
        tk::Colour hours;
    };
    const std::vector<Case> cases = {
        {"0",
         tk::FontChoice{"Arial", 24, kHours},
         {12, 16, 24},
         {"12", "16", "24"},
         "Arial",
         kHours},
        {"0",
         tk::FontChoice{"Arial", 24, kGreen},
         {12, 16, 24},
         {"12", "16", "24"},
         "Arial",
         kGreen},
        {"1",
         tk::FontChoice{"Verdana", 24, kTeal},
         {24, 24, 24},
         {"24", "24", "24"},
         "Verdana",
         kTeal},
        {"0", std::nullopt, {15, 20, 30}, {"15", "20", "30"}, "Tahoma", kHours},
        {"1", std::nullopt, {30, 30, 30}, {"30", "30", "30"}, "Tahoma", kHours},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("style " + c.style + " " + c.face);
        ClockRun r;
        openDialog(r, "ViewTime=0\r\nShapeWidth=" + c.style + "\r\n");
        r.platform.fontAnswers.push_back(c.answer);
        r.dialog().lblCOLOR[2].click();
        ASSERT_EQ(r.platform.fontPresets.size(), 1u);
        EXPECT_EQ(r.platform.fontPresets[0].name, "Tahoma");
        EXPECT_EQ(r.platform.fontPresets[0].size, 30);
        EXPECT_EQ(r.platform.fontPresets[0].colour, kHours);
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(r.clock().lblS[k].font().size, c.sizes[k]) << k;
            EXPECT_EQ(r.clock().lblS[k].font().name, c.face) << k;
            EXPECT_EQ(r.dialog().txtCOLOR[k].text(), c.texts[k]) << k;
        }
        Look expected = kDefaultLook;
        expected.lines[2] = expected.labels[2] = expected.borders[3] = expected.swatches[2] =
            c.hours;
        EXPECT_TRUE(lookOf(r) == expected);
    }
}

TEST(SettingsDialog, BackAndClock2ExcludeEachOther)
{
    ClockRun r;
    r.platform.putFile("Tikora_Clock_bg.jpg", "picture 1024x768");
    openDialog(r);
    Form2& d = r.dialog();
    Form1& c = r.clock();
    const tk::PictureRef dial = r.platform.builtIn(tk::BuiltInPicture::Dial1024x768);

    d.chkBG[0].click(); // "Back", then "Clock2"
    ASSERT_NE(c.picture(), nullptr);
    EXPECT_NE(c.picture(), dial);
    d.chkBG[1].click();
    EXPECT_EQ(d.chkBG[0].value(), 0);
    EXPECT_EQ(c.picture(), dial);
    EXPECT_TRUE(d.optSW[1].value());
    EXPECT_FALSE(d.optSW[0].enabled());
    EXPECT_EQ(r.module().strSettings[12], "1");
    EXPECT_EQ(r.module().ShapeWidth, 1);
    EXPECT_FALSE(c.LineS[0].visible());
    EXPECT_EQ(c.ShapeS[4].width(), 980);

    d.chkBG[0].click(); // "Clock2", then "Back"
    EXPECT_EQ(d.chkBG[1].value(), 0);
    ASSERT_NE(c.picture(), nullptr);
    EXPECT_NE(c.picture(), dial);
    EXPECT_EQ(c.ShapeS[4].width(), 1080);
    EXPECT_EQ(c.ShapeS[4].height(), 1080);
    EXPECT_EQ(c.ShapeS[2].width(), 1080);
    EXPECT_TRUE(d.optSW[0].enabled());
    EXPECT_EQ(r.module().strSettings[12], "0");
    EXPECT_TRUE(c.LineS[0].visible());
    EXPECT_EQ(c.ShapeS[1].borderStyle(), tk::BorderStyle::Solid);

    // Clearing "Clock2" only removes the window picture.
    d.chkBG[1].click();
    d.chkBG[1].click();
    EXPECT_EQ(c.picture(), nullptr);
    EXPECT_FALSE(d.optSW[0].enabled());
    EXPECT_EQ(r.module().strSettings[12], "1");
}

TEST(SettingsDialog, EqualSizeRedrawsOnlyWhileVisible)
{
    for (bool visible : {true, false}) {
        SCOPED_TRACE(visible ? "visible" : "hidden");
        ClockRun r;
        openDialog(r);
        if (!visible)
            r.dialog().hide();
        r.dialog().optSW[1].click();
        EXPECT_EQ(r.module().ShapeWidth, 1);
        EXPECT_EQ(r.clock().ShapeS[2].width(), visible ? 1080 : 700);
        EXPECT_EQ(r.clock().ShapeS[3].width(), visible ? 1080 : 850);
        EXPECT_EQ(r.module().SavedRadiusUnit, visible ? "540" : "420");
        EXPECT_EQ(r.dialog().txtCOLOR[1].text(), visible ? "30" : "21");
        EXPECT_EQ(r.dialog().txtCOLOR[0].text(), visible ? "30" : "15");
    }
}

TEST(SettingsDialog, PresetsFollowTheSettings)
{
    struct Case {
        std::string file;
        int timeOption, styleOption;
        float viewTime;
    };
    const std::vector<Case> cases = {
        {"ViewTime=2\r\nShapeWidth=0\r\n", 1, 0, 1},
        {"ViewTime=1\r\nShapeWidth=0\r\n", 1, 0, 1},
        {"ViewTime=0\r\nShapeWidth=1\r\n", 0, 1, 0},
    };
    for (const Case& c : cases) {
        ClockRun r;
        openDialog(r, c.file);
        EXPECT_TRUE(r.dialog().optWT[c.timeOption].value()) << c.file;
        EXPECT_FALSE(r.dialog().optWT[1 - c.timeOption].value()) << c.file;
        EXPECT_TRUE(r.dialog().optSW[c.styleOption].value()) << c.file;
        EXPECT_EQ(r.module().ViewTime, c.viewTime) << c.file;
    }
}

TEST(SettingsDialog, DefaultPutsTheBuiltInPictureBack)
{
    ClockRun r;
    openDialog(r);
    Form1& c = r.clock();
    c.Pict[0].setPicture(r.platform.builtIn(tk::BuiltInPicture::Dial800x600));
    c.TimerSHOW.setInterval(5000);
    c.TimerSHOW.setEnabled(true);
    r.module().SlideShowTime = 5;
    r.dialog().optPIC[0].click();
    EXPECT_FALSE(c.TimerSHOW.enabled());
    EXPECT_EQ(r.module().SlideShowTime, 0);
    EXPECT_FALSE(r.dialog().txtOUT.enabled());
    EXPECT_EQ(c.Pict[0].picture(), r.platform.builtIn(tk::BuiltInPicture::CentreEmblem));
    EXPECT_EQ(r.module().PicCenter, "Default");
}

} // namespace
