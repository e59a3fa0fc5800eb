#include "ClockRun.h"
#include "NumberText.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>
#include <utility>

using fake::ClockRun;
using fake::kDefaultLook;
using fake::kGreen;
using fake::kTeal;

namespace {

constexpr tk::Colour kSeconds = 12632319;
constexpr tk::Colour kMinutes = 8421631;
constexpr tk::Colour kHours = 255;
const std::string kDefaultFonts = "15/15 21/21 30/30 Tahoma";
const std::string kEqualFonts = "30/30 30/30 30/30 Tahoma";

TEST(SettingsDialog, PresetsAndColourAndFontRows)
{
    // The stored circle style, the row clicked twice, the picker's first answer (none:
    // Cancel; the second is always Cancel), the colours it was preset to, the look, and the
    // figures' sizes and swatch texts then, seconds first, and their font. The dialog opens
    // on the stored options, where a stored time mode of 2 means "Time from start" too.
    using Font = std::optional<tk::FontChoice>;
    const Font green{{.name = "", .colour = kGreen}}, teal{{.name = "", .colour = kTeal}};
    const Font arial{{.name = "Arial", .size = 24, .colour = kHours}};
    const Font verdana{{.name = "Verdana", .size = 24, .colour = kTeal}};
    // clang-format off
    struct Row { const char* name; int style; int row; Font answer; std::vector<tk::Colour> presets;
        std::string look; std::string fonts; };
    const Row rows[] = {
        {"seconds green", 0, 0, green, {kSeconds, kGreen}, "GMH GMH GGMH 0000 GMH0", kDefaultFonts},
        {"seconds cancelled, equal size", 1, 0, {}, {kSeconds, kSeconds}, kDefaultLook, kEqualFonts},
        {"minutes teal", 0, 1, teal, {kMinutes, kTeal}, "STH STH SSTH 0000 STH0", kDefaultFonts},
        {"the fill teal, equal size", 1, 3, teal, {0, kTeal}, "SMH SMH SSMH 0TTT SMHT", kEqualFonts},
        {"the fill cancelled", 0, 3, {}, {0, 0}, kDefaultLook, kDefaultFonts},
        {"the hours font Arial", 0, 2, arial, {kHours, kHours}, kDefaultLook, "12/12 16/16 24/24 Arial"},
        {"the hours font Verdana in teal, equal size", 1, 2, verdana, {kHours, kTeal}, "SMT SMT SSMT 0000 SMT0", "24/24 24/24 24/24 Verdana"},
        {"the font cancelled", 0, 2, {}, {kHours, kHours}, kDefaultLook, "15/15 20/20 30/30 Tahoma"}};
    // clang-format on
    for (const auto& [name, style, row, answer, presets, look, fonts] : rows) {
        SCOPED_TRACE(name);
        ClockRun r;
        ASSERT_TRUE(r.openDialog(worked::settingsWith(
            {"ViewTime=" + std::to_string(2 - 2 * style), "ShapeWidth=" + std::to_string(style)})));
        const Form2& d = r.dialog();
        EXPECT_EQ(std::tuple(d.optWT[1].value(), d.optSW[1].value(), r.settings().ViewTime),
                  std::tuple(style == 0, style == 1, style == 0 ? 1.0f : 0.0f));
        if (row == 2)
            r.platform.fontAnswers.push_back(answer);
        else
            r.platform.colourAnswers.push_back(answer ? std::optional(answer->colour)
                                                      : std::nullopt);
        r.dialog().lblCOLOR[row].click();
        r.dialog().lblCOLOR[row].click();
        std::vector<tk::Colour> shownPresets = r.platform.colourPresets;
        for (const tk::FontChoice& preset : r.platform.fontPresets)
            shownPresets.push_back(preset.colour);
        EXPECT_EQ(shownPresets, presets);
        if (row == 2) {
            const tk::FontChoice& first = r.platform.fontPresets.at(0);
            EXPECT_EQ(first.name + " " + tk::singleText(first.size), "Tahoma 30");
            // Screen fonts, effects with the colour, no style preselected.
            EXPECT_EQ(r.platform.fontFlags.at(0), 1048833) << "the font picker's options";
        }
        std::string shown;
        for (const int k : {0, 1, 2})
            shown +=
                tk::singleText(r.clock().lblS[k].font().size) + "/" + d.txtCOLOR[k].text() + " ";
        shown += r.clock().lblS[0].font().name;
        EXPECT_EQ(std::pair(r.look(), shown), std::pair(look, fonts));
    }
}

// What "Back" and "Clock2" govern: their values, the window picture, whether "Different size"
// can be picked, slot 12 of the settings, the lines, the centre's outline and the hours
// circle's size; then the circle style, as the option shows it and as set, and the layout.
std::string backAndClock2Of(ClockRun& r)
{
    Form2& d = r.dialog();
    Form1& c = r.clock();
    const SettingsValues& m = r.settings();
    const tk::PictureRef dial = r.platform.builtInPicture(tk::BuiltInPicture::Dial1024x768);
    // The dial stands in the middle of the face, whatever the screen's shape.
    const bool middle = c.picturePlace() == tk::PicturePlace::Middle;
    const std::string picture = !c.picture()                    ? "none"
                                : c.picture() == dial && middle ? "dial"
                                                                : "file";
    return std::to_string(d.chkBG[0].value()) + std::to_string(d.chkBG[1].value()) + " " + picture +
           (d.optSW[0].enabled() ? " different " : " equal-only ") + m.strSettings[12] +
           (c.LineS[0].visible() ? " lines" : " no-lines") +
           (c.ShapeS[1].borderStyle() == tk::BorderStyle::Solid ? " outlined " : " plain ") +
           tk::singleText(c.ShapeS[4].width()) + "x" + tk::singleText(c.ShapeS[4].height()) +
           (d.optSW[1].value() ? ", equal " : ", - ") + tk::singleText(m.ShapeWidth) + " " +
           c.layout.SavedRadiusUnit + " " + std::to_string(c.layout.LineSteps);
}

TEST(SettingsDialog, BackAndClock2ExcludeEachOtherInTheDialogAndAtStartUp)
{
    ClockRun r;
    r.platform.putFile("Tikora_Clock_bg.jpg", "picture");
    ASSERT_TRUE(r.openDialog());
    r.dialog().chkBG[1].click();
    EXPECT_EQ(backAndClock2Of(r), "01 dial equal-only 1 no-lines plain 980x980, equal 1 540 3");
    r.dialog().chkBG[0].click();
    EXPECT_EQ(backAndClock2Of(r), "10 file different 0 lines outlined 1080x1080, equal 1 540 3");
    // Clearing "Clock2" only removes the window picture.
    r.dialog().chkBG[1].click();
    r.dialog().chkBG[1].click();
    EXPECT_EQ(backAndClock2Of(r), "00 none equal-only 1 no-lines plain 980x980, equal 1 540 3");

    // At start-up "Clock2" is copied into the dialog first, then "Back"; there is no background
    // file. A stored "Clock2" reads with "Equal size", as the dialog saves it, so the face is
    // laid out as ticking it in the dialog lays it out.
    const std::pair<std::string, std::string> cases[] = {
        {"11", "10 none different 0 lines outlined 1080x1080, equal 1 540 3"},
        {"01", "01 dial equal-only 1 no-lines plain 980x980, equal 1 540 3"},
        {"10", "10 none different 0 lines outlined 1080x1080, - 0 420 4"}};
    for (const auto& [stored, state] : cases) {
        ClockRun started;
        ASSERT_TRUE(started.startWith(worked::settingsWith(
            {std::string("Back=") + stored[0], std::string("Clock2=") + stored[1]})));
        EXPECT_EQ(backAndClock2Of(started), state) << stored;
    }
}

TEST(SaveAndCancel, SaveWritesTheLiveValuesAndEndsOnceItCanWrite)
{
    ClockRun r;
    ASSERT_TRUE(r.openDialog());
    Form2& d = r.dialog();
    d.optWT[1].click();
    d.optSW[1].click();
    d.chkBG[0].click();
    r.platform.colourAnswers = {65280, tk::rgb(1, 2, 3)};
    r.platform.fontAnswers = {
        tk::FontChoice{.name = "Arial", .size = 15.75f, .colour = tk::rgb(200, 0, 0)}};
    d.lblCOLOR[0].click();
    d.lblCOLOR[3].click();
    d.lblCOLOR[2].click();
    d.lblLOC[0].click();
    // A save that cannot write says so, with the file and why, in the dialog's language, and
    // keeps the dialog open.
    const std::string file = r.platform.pathOf("Tikora_Clock.ini");
    r.platform.writeFailure = tk::WriteFailure::DiskFull;
    EXPECT_TRUE(r.runs([&] { d.cmdOK[0].click(); }));
    EXPECT_EQ(r.platform.messages,
              std::vector<std::string>{"Не удалось сохранить настройки.\n" + file +
                                       "\nДиск переполнен. Attention20"});
    EXPECT_TRUE(d.visible());
    EXPECT_EQ(r.settingsText(), worked::kDefaultSettings);
    r.platform.writeFailure = tk::WriteFailure::None;
    EXPECT_FALSE(r.runs([&] { d.cmdOK[0].click(); }));
    EXPECT_EQ(r.settingsText(), "ViewTime=1\r\nShapeWidth=1\r\nPicCenter=Встроенная\r\n"
                                "SlideShowTime=0\r\nLocalisation=0\r\nBack=1\r\nHColor=200\r\n"
                                "MColor=8421631\r\nSColor=65280\r\nCColor=197121\r\n"
                                "HSize=15.75\r\nFName=Arial\r\nClock2=0\r\n");
    EXPECT_EQ(r.platform.messages.size(), 1u);
    ClockRun english;
    ASSERT_TRUE(english.openDialog());
    english.platform.writeFailure = tk::WriteFailure::AccessDenied;
    EXPECT_TRUE(english.runs([&] { english.dialog().cmdOK[0].click(); }));
    EXPECT_EQ(english.platform.messages,
              std::vector<std::string>{"Settings could not be saved.\n" +
                                       english.platform.pathOf("Tikora_Clock.ini") +
                                       "\nAccess denied. Attention20"});

    // Cancel ends without writing.
    ClockRun cancelled;
    ASSERT_TRUE(cancelled.openDialog());
    cancelled.dialog().optWT[1].click();
    EXPECT_FALSE(cancelled.runs([&] { cancelled.dialog().cmdOK[1].click(); }));
    EXPECT_EQ(cancelled.platform.writeCount, 0);
    EXPECT_EQ(cancelled.settingsText(), worked::kDefaultSettings);
}

TEST(SaveAndCancel, SaveSettlesThePictureFromThePathField)
{
    // Whether "Default" is picked first, the name in the program folder then typed into the
    // path field, the picture saved (a name in the program folder, or "Default"), and whether
    // the program warns that the picture is not found. The stored picture is "old.gif".
    // clang-format off
    struct Row { const char* name; bool pickDefault; std::string typed, saved; bool warns; };
    const Row cases[] = {{"an empty field", false, "", "Default", false},
                         {"a file that is gone", false, "gone.gif", "old.gif", true},
                         {"a name with a line break", false, "new.gif\n", "old.gif", true},
                         {"a new picture", false, "new.gif", "new.gif", false},
                         {"Default, then a picture typed", true, "new.gif", "Default", false},
                         {"Default, then a file that is gone", true, "gone.gif", "Default", true}};
    // clang-format on
    for (const auto& [name, pickDefault, typed, saved, warns] : cases) {
        SCOPED_TRACE(name);
        ClockRun r;
        // A name that holds a line break is refused even when such a file exists.
        for (const char* name : {"old.gif", "new.gif", "new.gif\n"})
            r.platform.putFile(name, "picture");
        ASSERT_TRUE(
            r.openDialog(worked::settingsWith({"PicCenter=" + r.platform.pathOf("old.gif")})));
        if (pickDefault)
            r.dialog().optPIC[0].click();
        r.dialog().txtOUT.setText(typed.empty() ? "" : r.platform.pathOf(typed));
        r.dialog().optWT[1].click();
        EXPECT_FALSE(r.runs([&] { r.dialog().cmdOK[0].click(); }));
        const std::string picture = saved == "Default" ? saved : r.platform.pathOf(saved);
        EXPECT_EQ(r.settingsText(), worked::settingsWith({"ViewTime=1", "PicCenter=" + picture}));
        EXPECT_EQ(
            r.platform.messages,
            std::vector<std::string>(warns, "Picture not found! Old is remained. Attention10"));
    }
}

TEST(Language, TheStoredLanguageAtStartUpThenTheLabelsSwitchLive)
{
    ClockRun r;
    ASSERT_TRUE(r.startWith(worked::settingsWith({"Localisation=0"})));
    bool started = false;
    for (int language : {0, 1, 0}) {
        // The first pass looks at the start-up, each later one clicks the language's label.
        SCOPED_TRACE(language);
        if (std::exchange(started, true))
            r.dialog().lblLOC[language].click();
        const Form2& d = r.dialog();
        const LanguageTexts& t = language == 0 ? kRussian : kEnglish;
        // Captions of both windows, among them the last that each window fills.
        const frmFILE& f = r.chooser();
        EXPECT_EQ((std::array<std::string_view, 4>{d.optPIC[2].caption(), d.caption(),
                                                   f.cmdNO.caption(), f.lblSlideTime.caption()}),
                  (std::array{t.optPIC[2], t.form2Caption, t.cmdNO, t.lblSlideTime}));
        EXPECT_EQ(std::tuple(r.module().Localisation, d.lblLOC[language].foreColor(),
                             d.lblLOC[1 - language].foreColor()),
                  std::tuple(language, tk::kBlue, tk::kBlack));
    }
}

} // namespace
