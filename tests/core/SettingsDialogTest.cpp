#include "ClockRun.h"

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

TEST(SettingsDialog, PresetsAndColourRows)
{
    // The row, the picker's answer (none: Cancel), the colour it was preset to, and the look.
    // The row clicked again and cancelled is preset to what the first click left. The dialog
    // opens on the stored options, where a stored time mode of 2 means "Time from start" too.
    const std::tuple<int, std::optional<tk::Colour>, tk::Colour, std::string> cases[] = {
        {0, kGreen, kSeconds, "GMH GMH GGMH 0000 GMH0"}, {0, std::nullopt, kSeconds, kDefaultLook},
        {1, kTeal, kMinutes, "STH STH SSTH 0000 STH0"},  {1, std::nullopt, kMinutes, kDefaultLook},
        {3, kTeal, 0, "SMH SMH SSMH 0TTT SMHT"},         {3, std::nullopt, 0, kDefaultLook}};
    for (const std::string style : {"0", "1"}) {
        for (const auto& [row, answer, preset, look] : cases) {
            SCOPED_TRACE("style " + style + " row " + std::to_string(row));
            ClockRun r;
            const bool equal = style == "1";
            ASSERT_TRUE(r.openDialog(fake::settingsWith(
                {std::string("ViewTime=") + (equal ? "0" : "2"), "ShapeWidth=" + style})));
            const Form2& d = r.dialog();
            EXPECT_EQ(std::tuple(d.optWT[0].value(), d.optWT[1].value(), d.optSW[0].value(),
                                 d.optSW[1].value(), r.settings().ViewTime),
                      std::tuple(equal, !equal, !equal, equal, equal ? 0.0f : 1.0f));
            r.platform.colourAnswers.push_back(answer);
            r.dialog().lblCOLOR[row].click();
            r.dialog().lblCOLOR[row].click();
            EXPECT_EQ(r.look(), look);
            EXPECT_EQ(r.platform.colourPresets, (std::vector{preset, answer.value_or(preset)}));
            EXPECT_EQ(r.clock().ComDial.color, answer.value_or(preset));
        }
    }
}

TEST(SettingsDialog, FontRow)
{
    // The circle style, the picker's answer (none: Cancel), the figures' sizes then, seconds
    // first, and the look. A colour row picked next finds the font in the picker.
    using Case = std::tuple<std::string, std::optional<tk::FontChoice>, std::string, std::string>;
    const Case cases[] = {
        {"0", tk::FontChoice{"Arial", 24, kHours}, "12 16 24", kDefaultLook},
        {"0", tk::FontChoice{"Arial", 24, kGreen}, "12 16 24", "SMG SMG SSMG 0000 SMG0"},
        {"1", tk::FontChoice{"Verdana", 24, kTeal}, "24 24 24", "SMT SMT SSMT 0000 SMT0"},
        {"0", std::nullopt, "15 20 30", kDefaultLook},
        {"1", std::nullopt, "30 30 30", kDefaultLook}};
    for (const auto& [style, answer, sizes, look] : cases) {
        SCOPED_TRACE("style " + style + " " + sizes);
        ClockRun r;
        ASSERT_TRUE(r.openDialog(fake::settingsWith({"ShapeWidth=" + style})));
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
        r.dialog().lblCOLOR[0].click();
        EXPECT_EQ(fontSizes + " " + swatchTexts, sizes + " " + sizes);
        EXPECT_EQ(r.look(), look);
        const tk::CommonDialog& picker = r.clock().ComDial;
        EXPECT_EQ(std::tuple(picker.fontName, picker.fontSize, picker.color, picker.flags),
                  std::tuple(answer ? answer->name : "Tahoma", answer ? 24.0f : 30.0f, kSeconds,
                             1048833));
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
    const std::string picture = !c.picture() ? "none" : c.picture() == dial ? "dial" : "file";
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
    r.dialog().chkBG[0].click();
    EXPECT_EQ(backAndClock2Of(r), "10 file different 0 lines outlined 1080x1080, - 0 420 4");
    r.dialog().chkBG[1].click();
    EXPECT_EQ(backAndClock2Of(r), "01 dial equal-only 1 no-lines plain 980x980, equal 1 540 3");
    EXPECT_EQ(r.dialog().txtCOLOR[0].text() + " " + r.dialog().txtCOLOR[1].text(), "30 30");
    r.dialog().chkBG[0].click();
    EXPECT_EQ(backAndClock2Of(r), "10 file different 0 lines outlined 1080x1080, equal 1 540 3");
    EXPECT_EQ(r.clock().ShapeS[2].width(), 1080);
    // Clearing "Clock2" only removes the window picture.
    r.dialog().chkBG[1].click();
    r.dialog().chkBG[1].click();
    EXPECT_EQ(backAndClock2Of(r), "00 none equal-only 1 no-lines plain 980x980, equal 1 540 3");

    // At start-up "Clock2" is copied into the dialog first, then "Back"; there is no background
    // file. Ticking "Clock2" selects "Equal size", but the hidden dialog draws nothing.
    const std::pair<std::string, std::string> cases[] = {
        {"11", "10 none different 0 lines outlined 1080x1080, equal 1 540 3"},
        {"01", "01 dial equal-only 1 no-lines plain 980x980, equal 1 420 4"},
        {"10", "10 none different 0 lines outlined 1080x1080, - 0 420 4"}};
    for (const auto& [stored, state] : cases) {
        ClockRun started;
        ASSERT_TRUE(started.startWith(fake::settingsWith(
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
    r.platform.fontAnswers = {tk::FontChoice{"Arial", 15.75f, tk::rgb(200, 0, 0)}};
    d.lblCOLOR[0].click();
    d.lblCOLOR[3].click();
    d.lblCOLOR[2].click();
    d.lblLOC[0].click();
    // A save that cannot write says so and keeps the dialog open.
    r.platform.failWrites = true;
    EXPECT_TRUE(r.runs([&] { d.cmdOK[0].click(); }));
    EXPECT_EQ(r.platform.messages, std::vector<fake::MessageRecord>(
                                       {{"Не удалось сохранить настройки.", "Attention",
                                         tk::MessageIcon::Warning, tk::MessageButtons::Ok}}));
    EXPECT_TRUE(d.visible());
    EXPECT_EQ(r.settingsText(), fake::kDefaultSettings);
    r.platform.failWrites = false;
    EXPECT_FALSE(r.runs([&] { d.cmdOK[0].click(); }));
    EXPECT_EQ(r.settingsText(), "ViewTime=1\r\nShapeWidth=1\r\nPicCenter=Встроенная\r\n"
                                "SlideShowTime=0\r\nLocalisation=0\r\nBack=1\r\nHColor=200\r\n"
                                "MColor=8421631\r\nSColor=65280\r\nCColor=197121\r\n"
                                "HSize=15.75\r\nFName=Arial\r\nClock2=0\r\n");
    EXPECT_EQ(r.platform.messages.size(), 1u);

    // Cancel ends without writing.
    ClockRun cancelled;
    ASSERT_TRUE(cancelled.openDialog());
    cancelled.dialog().optWT[1].click();
    EXPECT_FALSE(cancelled.runs([&] { cancelled.dialog().cmdOK[1].click(); }));
    EXPECT_EQ(cancelled.platform.writeCount, 0);
    EXPECT_EQ(cancelled.settingsText(), fake::kDefaultSettings);
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
            r.openDialog(fake::settingsWith({"PicCenter=" + r.platform.pathOf("old.gif")})));
        if (pickDefault)
            r.dialog().optPIC[0].click();
        r.dialog().txtOUT.setText(typed.empty() ? "" : r.platform.pathOf(typed));
        r.dialog().optWT[1].click();
        EXPECT_FALSE(r.runs([&] { r.dialog().cmdOK[0].click(); }));
        const std::string picture = saved == "Default" ? saved : r.platform.pathOf(saved);
        EXPECT_EQ(r.settingsText(), fake::settingsWith({"ViewTime=1", "PicCenter=" + picture}));
        const fake::MessageRecord notFound{"Picture not found! Old is remained.", "Attention",
                                           tk::MessageIcon::Information, tk::MessageButtons::Ok};
        EXPECT_EQ(r.platform.messages, std::vector<fake::MessageRecord>(warns ? 1 : 0, notFound));
    }
}

// Every text that the language routine may set: the captions of the dialog and the chooser and
// of their controls, text fields left out, in the order they were made; then the messages.
std::string textsOf(ClockRun& r)
{
    std::string texts;
    for (const tk::Window* window : std::initializer_list<tk::Window*>{&r.dialog(), &r.chooser()}) {
        texts += window->caption() + "|";
        for (const tk::Control* c : window->controls()) {
            if (c->kind() != tk::ControlKind::TextBox && !c->caption().empty())
                texts += c->caption() + "|";
        }
    }
    const Module1& m = r.module();
    for (const std::string* text : {&m.strPicNotFound, &m.strSovet, &m.strSlidePeriod, &m.strNoFile,
                                    &m.strSaveFailed, &m.strCannotShow})
        texts += *text + "|";
    return texts;
}

TEST(Language, TheStoredLanguageAtStartUpThenTheLabelsSwitchLive)
{
    // The chooser's hint takes the language's text only when a picture option opens it.
    const std::string russian =
        "Установки|Russian|English|Время|Круги|Картинка|Шрифт и цвета|Текущее время|"
        "Время отсутствия|Разного размера|Одинакового размера|Встроенная|Выбор|Слайд-шоу|"
        "Фон|Clock2|Цвет часов, Ширифт|Цвет минут|Цвет секунд|Фон кругов|Сохранить|"
        "Отмена|Работа с файлами|Нет|OK|49 x 49 px    black back  gif|"
        "Смена слайдов          сек.|Путь к картинке не найден! Осталась старая.|"
        "49 x 49 px    черн. фон  gif|"
        "Период смены картинок в слайдшоу измеряется положительными целыми цифрами!|"
        "Вы не выбрали файл. Продолжить выбор?|Не удалось сохранить настройки.|"
        "Этот файл нельзя показать как рисунок.|";
    const std::string english =
        "Options|Russian|English|Time|Circles|Picture|Font and colors|Current time|"
        "Time from start|Different size|Equal size|Default|Choose|Slide show|Back|Clock2|"
        "Hours color, Font|Minutes color|Seconds color|Circles's background|Save|Cancel|"
        "File manager|Cancel|OK|49 x 49 px    black back  gif|"
        "      Slide period             sec|Picture not found! Old is remained.|"
        "49 x 49 px    black back  gif|Slide show period must be integer number!|"
        "No selected file. Continue?|Settings could not be saved.|"
        "This file cannot be shown as a picture.|";
    ClockRun r;
    ASSERT_TRUE(r.startWith(fake::settingsWith({"Localisation=0"})));
    bool started = false;
    for (int language : {0, 1, 1, 0}) {
        // The first pass looks at the start-up, each later one clicks the language's label.
        SCOPED_TRACE(language);
        if (std::exchange(started, true))
            r.dialog().lblLOC[language].click();
        const Form2& d = r.dialog();
        EXPECT_EQ(std::tuple(textsOf(r), r.module().Localisation, d.lblLOC[language].foreColor(),
                             d.lblLOC[1 - language].foreColor()),
                  std::tuple(language == 0 ? russian : english, language, tk::kBlue, tk::kBlack));
    }
}

} // namespace
