#include "ClockRun.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

using fake::ClockRun;

namespace {

constexpr tk::Colour kSeconds = 12632319;
constexpr tk::Colour kMinutes = 8421631;
constexpr tk::Colour kHours = 255;
using fake::kGreen;
using fake::kTeal;
const std::string kDefaultLook = "SMH SMH SSMH 0000 SMH0";

TEST(SettingsDialog, ColourRows)
{
    // The row, the picker's answer (none: Cancel), the colour it was preset to, and the look.
    const std::vector<std::tuple<int, std::optional<tk::Colour>, tk::Colour, std::string>> cases = {
        {0, kGreen, kSeconds, "GMH GMH GGMH 0000 GMH0"}, {0, std::nullopt, kSeconds, kDefaultLook},
        {1, kTeal, kMinutes, "STH STH SSTH 0000 STH0"},  {1, std::nullopt, kMinutes, kDefaultLook},
        {3, kTeal, 0, "SMH SMH SSMH 0TTT SMHT"},         {3, std::nullopt, 0, kDefaultLook},
    };
    for (const char* style : {"0", "1"}) {
        for (const auto& [row, answer, preset, look] : cases) {
            SCOPED_TRACE("style " + std::string(style) + " row " + std::to_string(row));
            ClockRun r;
            ASSERT_TRUE(r.openDialog("ViewTime=0\r\nShapeWidth=" + std::string(style) + "\r\n"));
            r.platform.colourAnswers.push_back(answer);
            r.dialog().lblCOLOR[row].click();
            EXPECT_EQ(r.look(), look);
            EXPECT_EQ(r.platform.colourPresets, std::vector<tk::Colour>{preset});
            EXPECT_EQ(r.clock().ComDial.color, answer.value_or(preset));
        }
    }
}

TEST(SettingsDialog, ColourPickerCarriesItsValuesOver)
{
    ClockRun r;
    ASSERT_TRUE(r.openDialog());
    r.platform.colourAnswers = {kTeal, std::nullopt};
    r.platform.fontAnswers = {tk::FontChoice{"Arial", 24, kGreen}};
    r.dialog().lblCOLOR[3].click();
    r.dialog().lblCOLOR[3].click();
    EXPECT_EQ(r.platform.colourPresets, (std::vector<tk::Colour>{0, kTeal}));
    r.dialog().lblCOLOR[2].click();
    r.dialog().lblCOLOR[0].click();
    const tk::CommonDialog& picker = r.clock().ComDial;
    EXPECT_EQ(picker.fontName + " " + tk::singleText(picker.fontSize), "Arial 24");
    EXPECT_EQ(picker.color, kSeconds);
    EXPECT_EQ(picker.flags, 1048833);
}

TEST(SettingsDialog, FontRow)
{
    // The circle style, the picker's answer (none: Cancel), the figures' sizes then, seconds
    // first, and the look.
    using Case = std::tuple<std::string, std::optional<tk::FontChoice>, std::string, std::string>;
    const std::vector<Case> cases = {
        {"0", tk::FontChoice{"Arial", 24, kHours}, "12 16 24", kDefaultLook},
        {"0", tk::FontChoice{"Arial", 24, kGreen}, "12 16 24", "SMG SMG SSMG 0000 SMG0"},
        {"1", tk::FontChoice{"Verdana", 24, kTeal}, "24 24 24", "SMT SMT SSMT 0000 SMT0"},
        {"0", std::nullopt, "15 20 30", kDefaultLook},
        {"1", std::nullopt, "30 30 30", kDefaultLook},
    };
    for (const auto& [style, answer, sizes, look] : cases) {
        SCOPED_TRACE("style " + style + " " + sizes);
        ClockRun r;
        ASSERT_TRUE(r.openDialog("ViewTime=0\r\nShapeWidth=" + style + "\r\n"));
        r.platform.fontAnswers.push_back(answer);
        r.dialog().lblCOLOR[2].click();
        ASSERT_EQ(r.platform.fontPresets.size(), 1u);
        const tk::FontChoice& preset = r.platform.fontPresets[0];
        EXPECT_TRUE(preset.name == "Tahoma" && preset.size == 30 && preset.colour == kHours);
        std::string fontSizes, swatchTexts;
        for (int k = 0; k < 3; ++k) {
            fontSizes += (k ? " " : "") + tk::singleText(r.clock().lblS[k].font().size);
            swatchTexts += (k ? " " : "") + r.dialog().txtCOLOR[k].text();
            EXPECT_EQ(r.clock().lblS[k].font().name, answer ? answer->name : "Tahoma");
        }
        EXPECT_EQ(fontSizes, sizes);
        EXPECT_EQ(swatchTexts, sizes);
        EXPECT_EQ(r.look(), look);
    }
}

// What "Back" and "Clock2" govern: their values, the window picture, whether "Different size"
// is enabled, slot 12 of the settings, the lines shown and the hours circle's width.
std::string backAndClock2Of(ClockRun& r, const tk::PictureRef& dial)
{
    Form2& d = r.dialog();
    Form1& c = r.clock();
    const std::string picture = !c.picture() ? "none" : c.picture() == dial ? "dial" : "file";
    return std::to_string(d.chkBG[0].value()) + std::to_string(d.chkBG[1].value()) + " " + picture +
           (d.optSW[0].enabled() ? " different " : " equal-only ") + r.module().strSettings[12] +
           (c.LineS[0].visible() ? " lines " : " no-lines ") + tk::singleText(c.ShapeS[4].width());
}

TEST(SettingsDialog, BackAndClock2ExcludeEachOther)
{
    ClockRun r;
    r.platform.putFile("Tikora_Clock_bg.jpg", "picture");
    ASSERT_TRUE(r.openDialog());
    const tk::PictureRef dial = r.platform.builtInPicture(tk::BuiltInPicture::Dial1024x768);
    r.dialog().chkBG[0].click();
    EXPECT_EQ(backAndClock2Of(r, dial), "10 file different 0 lines 1080");
    r.dialog().chkBG[1].click();
    EXPECT_EQ(backAndClock2Of(r, dial), "01 dial equal-only 1 no-lines 980");
    EXPECT_TRUE(r.dialog().optSW[1].value());
    EXPECT_EQ(r.module().ShapeWidth, 1);
    r.dialog().chkBG[0].click();
    EXPECT_EQ(backAndClock2Of(r, dial), "10 file different 0 lines 1080");
    EXPECT_EQ(r.clock().ShapeS[4].height(), 1080);
    EXPECT_EQ(r.clock().ShapeS[2].width(), 1080);
    EXPECT_EQ(r.clock().ShapeS[1].borderStyle(), tk::BorderStyle::Solid);
    // Clearing "Clock2" only removes the window picture.
    r.dialog().chkBG[1].click();
    r.dialog().chkBG[1].click();
    EXPECT_EQ(backAndClock2Of(r, dial), "00 none equal-only 1 no-lines 980");
}

TEST(SettingsDialog, StoredBackAndClock2AtStartUp)
{
    // "Clock2" is copied into the dialog first, then "Back"; there is no background file.
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"11", "10 none different 0 lines 1080"},
        {"01", "01 dial equal-only 1 no-lines 980"},
        {"10", "10 none different 0 lines 1080"}};
    for (const auto& [stored, state] : cases) {
        ClockRun r;
        ASSERT_TRUE(r.startWith(fake::defaultSettingsWith(
            {std::string("Back=") + stored[0], std::string("Clock2=") + stored[1]})));
        EXPECT_EQ(backAndClock2Of(r, r.platform.builtInPicture(tk::BuiltInPicture::Dial1024x768)),
                  state);
        if (state[1] == '1') {
            // Ticking "Clock2" selects "Equal size", but the hidden dialog draws nothing.
            EXPECT_TRUE(r.dialog().optSW[1].value());
            EXPECT_EQ(r.module().ShapeWidth, 1);
            EXPECT_EQ(r.module().SavedRadiusUnit, "420");
            EXPECT_EQ(r.module().LineSteps, 4);
        }
    }
}

TEST(SettingsDialog, EqualSizeRedrawsOnlyWhileVisible)
{
    for (bool visible : {true, false}) {
        ClockRun r;
        ASSERT_TRUE(r.openDialog());
        if (!visible)
            r.dialog().hide();
        r.dialog().optSW[1].click();
        EXPECT_EQ(r.module().ShapeWidth, 1);
        EXPECT_EQ(r.sizes(), visible ? fake::kEqualSizes : fake::kDifferentSizes);
        EXPECT_EQ(r.dialog().txtCOLOR[0].text() + " " + r.dialog().txtCOLOR[1].text(),
                  visible ? "30 30" : "15 21");
    }
}

TEST(SettingsDialog, PresetsFollowTheSettings)
{
    // A stored ViewTime of 2 means "Time from start" too, and becomes 1.
    for (const std::string viewTime : {"0", "1", "2"}) {
        const bool fromStart = viewTime != "0";
        ClockRun r;
        ASSERT_TRUE(r.openDialog("ViewTime=" + viewTime +
                                 "\r\nShapeWidth=" + (fromStart ? "0" : "1") + "\r\n"));
        EXPECT_EQ(r.dialog().optWT[1].value(), fromStart) << viewTime;
        EXPECT_EQ(r.dialog().optWT[0].value(), !fromStart) << viewTime;
        EXPECT_EQ(r.dialog().optSW[1].value(), !fromStart) << viewTime;
        EXPECT_EQ(r.module().ViewTime, fromStart ? 1 : 0) << viewTime;
    }
}

TEST(SettingsDialog, DefaultPutsTheBuiltInPictureBack)
{
    ClockRun r;
    ASSERT_TRUE(r.openDialog());
    Form1& c = r.clock();
    c.Pict[0].setPicture(r.platform.builtInPicture(tk::BuiltInPicture::Dial800x600));
    c.TimerSHOW.setInterval(5000);
    c.TimerSHOW.setEnabled(true);
    r.module().SlideShowTime = 5;
    r.dialog().optPIC[0].click();
    EXPECT_FALSE(c.TimerSHOW.enabled());
    EXPECT_EQ(r.module().SlideShowTime, 0);
    EXPECT_FALSE(r.dialog().txtOUT.enabled());
    EXPECT_EQ(c.Pict[0].picture(), r.platform.builtInPicture(tk::BuiltInPicture::CentreEmblem));
    EXPECT_EQ(r.module().PicCenter, "Default");
}

} // namespace
