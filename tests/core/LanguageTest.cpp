#include "ClockRun.h"

#include <gtest/gtest.h>

#include <algorithm>

using fake::ClockRun;

namespace {

// Every text of the language tables as it stands now, in the order of kTexts.
std::vector<std::string> textsOf(ClockRun& r)
{
    Form2& d = r.dialog();
    frmFILE& f = r.chooser();
    Module1& m = r.module();
    std::vector<std::string> texts;
    for (int i = 0; i < 4; ++i)
        texts.insert(texts.end(), {d.Frame[i].caption(), d.lblCOLOR[i].caption()});
    for (int i = 0; i < 2; ++i)
        texts.insert(texts.end(),
                     {d.optWT[i].caption(), d.optSW[i].caption(), d.cmdOK[i].caption()});
    for (int i = 0; i < 3; ++i)
        texts.push_back(d.optPIC[i].caption());
    texts.insert(texts.end(), {d.chkBG[0].caption(), d.caption(), f.caption(), f.cmdNO.caption(),
                               f.lblSlideTime.caption(), m.strPicNotFound, m.strSovet,
                               m.strSlidePeriod, m.strNoFile, m.strSaveFailed});
    return texts;
}

// Russian and English, row by row.
const std::vector<std::pair<std::string, std::string>> kTexts = {
    {"Время", "Time"},
    {"Цвет секунд", "Seconds color"},
    {"Круги", "Circles"},
    {"Цвет минут", "Minutes color"},
    {"Картинка", "Picture"},
    {"Цвет часов, Ширифт", "Hours color, Font"},
    {"Шрифт и цвета", "Font and colors"},
    {"Фон кругов", "Circles's background"},
    {"Текущее время", "Current time"},
    {"Разного размера", "Different size"},
    {"Сохранить", "Save"},
    {"Время отсутствия", "Time from start"},
    {"Одинакового размера", "Equal size"},
    {"Отмена", "Cancel"},
    {"Встроенная", "Default"},
    {"Выбор", "Choose"},
    {"Слайд-шоу", "Slide show"},
    {"Фон", "Back"},
    {"Установки", "Options"},
    {"Работа с файлами", "File manager"},
    {"Нет", "Cancel"},
    {"Смена слайдов          сек.", "      Slide period             sec"},
    {"Путь к картинке не найден! Осталась старая.", "Picture not found! Old is remained."},
    {"49 x 49 px    черн. фон  gif", "49 x 49 px    black back  gif"},
    {"Период смены картинок в слайдшоу измеряется положительными целыми цифрами!",
     "Slide show period must be integer number!"},
    {"Вы не выбрали файл. Продолжить выбор?", "No selected file. Continue?"},
    {"Не удалось сохранить настройки.", "Settings could not be saved."},
};

// The number of characters of a UTF-8 text.
std::size_t codePoints(const std::string& text)
{
    return std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
}

void expectLanguage(ClockRun& r, int language)
{
    const std::vector<std::string> texts = textsOf(r);
    ASSERT_EQ(texts.size(), kTexts.size());
    for (std::size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(texts[i], language == 0 ? kTexts[i].first : kTexts[i].second) << "row " << i;
    // The runs of spaces keep their lengths.
    EXPECT_EQ(codePoints(r.chooser().lblSlideTime.caption()), language == 0 ? 27u : 34u);
    EXPECT_EQ(codePoints(r.module().strSovet), language == 0 ? 28u : 29u);
    EXPECT_EQ(r.module().Localisation, language);
    EXPECT_EQ(r.dialog().lblLOC[language].foreColor(), 16711680);
    EXPECT_EQ(r.dialog().lblLOC[1 - language].foreColor(), tk::kBlack);
    // Texts the same in both languages.
    EXPECT_EQ(r.dialog().lblLOC[0].caption(), "Russian");
    EXPECT_EQ(r.dialog().lblLOC[1].caption(), "English");
    EXPECT_EQ(r.dialog().chkBG[1].caption(), "Clock2");
    EXPECT_EQ(r.chooser().cmdOK.caption(), "OK");
}

TEST(Language, TheStoredLanguageAtStartUpThenTheLabelsSwitchLive)
{
    ClockRun r;
    ASSERT_TRUE(r.startWith(fake::defaultSettingsWith({"Localisation=0"})));
    expectLanguage(r, 0);
    for (int language : {1, 1, 0}) {
        SCOPED_TRACE(language);
        r.dialog().lblLOC[language].click();
        expectLanguage(r, language);
    }
}

} // namespace
