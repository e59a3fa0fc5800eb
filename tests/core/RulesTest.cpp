#include "CircleStyle.h"
#include "ClockTime.h"
#include "FaceLayout.h"
#include "FakePlatform.h"
#include "LocalisedWindows.h"
#include "Module1.h"
#include "NumberText.h"
#include "SecondClockStyle.h"
#include "SettingsFile.h"
#include "SlidePeriod.h"
#include "SlideShow.h"
#include "WorkedExamples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <regex>
#include <tuple>

// The rules of the clock, called as they stand, without windows or a run.

namespace {

TEST(ClockFaceRules, CircleStylesAndTheSecondStylesDial)
{
    // The circles, labels and layout of a style, then the seconds and minutes figure sizes
    // for hours figures of 30 points and a stored size of 24, as the style is applied and as
    // the font picker gives them for hours of 15.75 points.
    using Sizes = std::array<float, 11>;
    const std::tuple<const char*, float, Sizes> styles[] = {
        {"Different size", 0, {850, 700, 380, 510, 420, 4, 1.8f, 15, 21, 7.875f, 10.5f}},
        {"Equal size", 1, {1080, 1080, 700, 700, 540, 3, 2, 24, 24, 15.75f, 15.75f}}};
    for (const auto& [name, shapeWidth, sizes] : styles) {
        SCOPED_TRACE(name);
        const CircleStyle& s = CircleStyle::of(shapeWidth);
        const FigureSizes applied = CircleStyle::figureSizes(shapeWidth, 30, 24);
        const FigureSizes picked = CircleStyle::pickedFigureSizes(shapeWidth, 15.75f);
        EXPECT_EQ(
            (Sizes{s.minutesCircle, s.secondsCircle, s.secondsLabel, s.minutesLabel,
                   static_cast<float>(s.radiusUnit), static_cast<float>(s.lineSteps), s.spreadStep,
                   applied.seconds, applied.minutes, picked.seconds, picked.minutes}),
            sizes);
    }
    // The screen's width in pixels and its dial.
    using enum tk::BuiltInPicture;
    // clang-format off
    const std::pair<int, std::optional<tk::BuiltInPicture>> dials[] = {
        {800, Dial800x600}, {1024, Dial1024x768}, {1280, Dial1280x1024}, {640, {}}, {1152, {}}, {1920, {}}, {2560, {}}};
    // clang-format on
    for (const auto& [pixels, dial] : dials)
        EXPECT_EQ(SecondClockStyle::dialFor(tk::Units().toWholeTwips(pixels)), dial) << pixels;
}

TEST(ClockFaceRules, TheDrawingOfTheWorkedExamples)
{
    const auto angles = ClockTime::angles(worked::kTime, 20);
    for (const worked::Face& face : worked::kFaces) {
        SCOPED_TRACE(face.name);
        const CircleStyle& style = CircleStyle::of(face.shapeWidth);
        FaceLayout layout{static_cast<std::int16_t>(face.radiusUnitBefore), style.lineSteps,
                          style.spreadStep, std::to_string(style.radiusUnit)};
        const auto places = layout.placeGroups(worked::kCentreX, worked::kCentreY, angles,
                                               face.circleWidths, face.shapeWidth, face.clock2);
        const auto values = [](const auto& g) {
            return std::array<double, 6>{g.lineX2,    g.lineY2,    g.circleLeft,
                                         g.circleTop, g.labelLeft, g.labelTop};
        };
        for (int i = 0; i < 3; ++i) {
            for (int k = 0; k < 6; ++k)
                EXPECT_NEAR(values(places[i])[k], values(face.groups[i])[k], 0.05)
                    << "group " << i << " value " << k;
        }
        // The hours group leaves its unit for the next drawing.
        EXPECT_EQ(layout.RadiusUnit, face.shapeWidth == 0 ? worked::kDifferentLater.radiusUnitBefore
                                                          : style.radiusUnit);
    }
}

int secondsOf(const char* time)
{
    int h = 0, m = 0, s = 0;
    std::sscanf(time, "%d:%d:%d", &h, &m, &s);
    return (h * 60 + m) * 60 + s;
}

TEST(ClockFaceRules, TheTick)
{
    // The time mode, the seconds the steady clock has run since the start, the time of day of
    // the tick, the figures then, and the seconds, minutes and hours angles in sixtieths of a
    // turn from 3 o'clock. The figures of "Time from start" count the time run, across midnight
    // and steps of the time of day too, wrapping at a day; the circles stand at the time of day,
    // but the hours circle takes its fraction from the minutes figure.
    const std::tuple<float, std::int64_t, const char*, const char*, std::array<double, 3>> ticks[] =
        {{0, 0, "10:20:30", "10:20:30", {15, 5, 35 + 20 / 12.0}},
         {0, 0, "15:0:0", "15:0:0", {-15, -15, 60}},
         {0, 0, "0:0:0", "0:0:0", {-15, -15, -15}},
         {0, 0, "23:59:59", "23:59:59", {44, 44, 100 + 59 / 12.0}},
         {1, 15, "0:0:5", "0:0:15", {-10, -15, -15}},
         {1, 0, "10:20:30", "0:0:0", {15, 5, 35}},
         {1, 1, "10:20:31", "0:0:1", {16, 5, 35}},
         // The time of day stepped back an hour five seconds after the start.
         {1, 5, "9:20:35", "0:0:5", {20, 5, 30}},
         {1, 86400 + 61, "10:21:31", "0:1:1", {16, 6, 35 + 1 / 12.0}}};
    for (const auto& [viewTime, elapsed, now, figures, steps] : ticks) {
        SCOPED_TRACE(std::to_string(elapsed) + " " + now);
        const int shown = ClockTime::shownTime(secondsOf(now), elapsed, viewTime);
        const auto shownFigures = ClockTime::figures(shown);
        EXPECT_EQ(shownFigures[2] + ":" + shownFigures[1] + ":" + shownFigures[0], figures);
        const auto angles = ClockTime::angles(secondsOf(now), std::stoi(shownFigures[1]));
        for (int k = 0; k < 3; ++k)
            EXPECT_FLOAT_EQ(angles[k], static_cast<float>(steps[k] * 0.10472)) << k;
    }
}

TEST(BackgroundRules, TheSlideList)
{
    EXPECT_EQ(SlideShow::numbered({"a.gif", "b.gif"}),
              (std::vector<std::string>{"", "a.gif", "b.gif"}));
    EXPECT_EQ(SlideShow::numbered({}), std::vector<std::string>{""});
    // clang-format off
    const std::pair<float, int> intervals[] = {{5, 5000}, {2.5f, 2500}, {0.0004f, 0}, {-3, 0}, {86400, 86400000}, {1e30f, 86400000}};
    // clang-format on
    for (const auto& [seconds, milliseconds] : intervals)
        EXPECT_EQ(SlideShow::interval(seconds), milliseconds) << seconds;
    // The number of slides, the index the show stands at, and the slides it shows next.
    // clang-format off
    const std::tuple<const char*, int, float, std::string> shows[] = {
        {"three slides", 3, 0, "1231231"}, {"three slides, as a show starts", 3, 1, "2312"}, {"one slide", 1, 1, "111"},
        {"no slides: never moves", 0, 1, "000"}, {"an index past the list", 3, 7, "123"},
        {"a negative index", 3, -2, "123"}, {"no index", 3, NAN, "123"}};
    // clang-format on
    for (const auto& [name, count, index, shown] : shows) {
        SCOPED_TRACE(name);
        SlideShow show{SlideShow::numbered(std::vector<std::string>(count, "x.gif")), index};
        std::string slides;
        while (slides.size() < shown.size())
            slides += std::to_string(show.advance());
        EXPECT_EQ(slides, shown);
        EXPECT_TRUE(count != 0 || show.SlideIndex == index) << "a show without slides stands";
    }
}

// What the settings read from a file: ViewTime, ShapeWidth, the language, the hours figure
// size, the hours colour, the circles' fill, then "Back" and "Clock2".
std::string readBack(const SettingsValues& v)
{
    return tk::singleText(v.ViewTime) + " " + tk::singleText(v.ShapeWidth) + " " +
           tk::singleText(SettingsFile::language(v.text(SettingsSlot::Localisation))) + " " +
           tk::singleText(v.fontSize(SettingsSlot::HSize)) + " " +
           std::to_string(v.colour(SettingsSlot::HColor)) + " " +
           std::to_string(v.colour(SettingsSlot::CColor)) + " " +
           std::to_string(v.checkValue(SettingsSlot::Back)) + std::to_string(v.clock2());
}

const std::string kReadBackDefaults = "0 0 1 30 255 0 00";

// Settings files that no settings dialog wrote: edited by hand, damaged or hostile.
TEST(SettingsFileRules, FilesOfEveryShapeAreReadByPosition)
{
    const std::string fourMegabytes(4'000'000, 'x');
    std::string manyLines;
    for (int i = 0; i < 100'000; ++i)
        manyLines += "HSize=" + std::to_string(i) + "\r\n";
    const std::string withEqualSize = worked::settingsWith({"ShapeWidth=1", "HSize=24"});
    // Only the start of a file is read: a valid file followed by megabytes reads as its lines,
    // the bytes after them, up to the limit, in the first unused slot.
    const std::string cut(tk::kTextFileLimit - withEqualSize.size(), 'x');
    // A file, what readBack() gives for it, and some slots of the settings as read.
    using Slots = std::map<int, std::string>;
    // clang-format off
    std::vector<std::tuple<std::string, std::string, Slots>> files = {
        {"", kReadBackDefaults, {{6, "255"}, {11, "Tahoma"}, {12, "0"}}},
        // The first line's 255 is the time mode's second option, "Time from start".
        {"HColor=255\r\nViewTime=0\r\n", "1 0 1 30 255 0 00", {{0, "255"}, {1, "0"}}},
        {"ViewTime=0\r\nShapeWidth=0\r\nPicCenter=/a=b\r\n", kReadBackDefaults, {{2, "/a=b"}}},
        {"just text\r\nShapeWidth=1", "0 1 1 30 255 0 00", {{0, "just text"}}},
        {"ViewTime=1\r\nShapeWidth=1\nPicCenter=x\r", "1 1 1 30 255 0 00", {{2, "x"}}},
        {std::regex_replace(withEqualSize, std::regex("\r\n"), "\r"), "0 1 1 24 255 0 00", {}},
        {std::regex_replace(withEqualSize, std::regex("\r\n"), "\n"), "0 1 1 24 255 0 00", {{3, "0"}}},
        {withEqualSize + cut + fourMegabytes, "0 1 1 24 255 0 00", {{12, "0"}, {13, cut}}},
        // Line n gives slot n the value n, and the lines past the 16th are not read.
        {manyLines, "0 1 1 10 6 9 00", {{2, "2"}, {12, "12"}, {15, "15"}}},
        // Texts that are no number keep the default's meaning, and their slot keeps the text.
        {"ViewTime=abc\r\nShapeWidth=?\r\nPicCenter=Default\r\nSlideShowTime=zz\r\n"
         "Localisation=1\r\nBack=yes\r\nHColor=xyz\r\nMColor=-\r\nSColor=\r\n"
         "CColor=blue\r\nHSize=big\r\nFName=Tahoma\r\nClock2=maybe\r\n", kReadBackDefaults, {{0, "abc"}}},
        {std::string(64, '\0'), kReadBackDefaults, {}},
        // The byte-order mark some editors write is no part of the first value.
        {"\xEF\xBB\xBFViewTime=1\r\n", "1 0 1 30 255 0 00", {{0, "1"}}},
        {"\xEF\xBB\xBF", kReadBackDefaults, {{0, "0"}}},
        {"\xEF\xBBViewTime=1\r\n", "1 0 1 30 255 0 00", {}},
        {"ViewTime=\xFF\xFE\r\nShapeWidth=1\xC3\r\nHColor=\xC3\x28\r\n", kReadBackDefaults, {{0, "\xFF\xFE"}}}};
    // clang-format on
    // What readBack() gives, and the lines that, put into the default file, give it. What the
    // dialog writes keeps its meaning exactly; what it cannot write reads as the nearest value
    // it can, and a text that is no finite number keeps the default's meaning.
    // clang-format off
    const std::pair<std::string, std::vector<std::string>> lines[] = {
        {kReadBackDefaults, {"ViewTime=-0", "ViewTime=nan", "ShapeWidth=-inf", "HSize=nan", "HSize=1e999", "HColor=254.6",
            "HColor=-inf", "CColor=-1", "Back=2", "Back=-1", "Back=nan", "Clock2=2", "Clock2=0.6", "Clock2=inf"}},
        // Any option index but 0 is the second option, and reads as 1.
        {"1 0 1 30 255 0 00", {"ViewTime=1", "ViewTime=-1", "ViewTime=0.5"}},
        {"0 1 1 30 255 0 00", {"ShapeWidth=1", "ShapeWidth=1e30", "ShapeWidth=0.001"}},
        // Only "0" gives Russian; anything else, a digit or a blank more included, gives English.
        {"0 0 0 30 255 0 00", {"Localisation=0"}},
        {kReadBackDefaults, {"Localisation=01", "Localisation=", "Localisation= 0", "Localisation=0 "}},
        // Font sizes are held to the font picker's 1 to 1638 points.
        {"0 0 1 8.25 255 0 00", {"HSize=8.25"}},
        {"0 0 1 1 255 0 00", {"HSize=0.001", "HSize=-30"}},
        {"0 0 1 1638 255 0 00", {"HSize=1638", "HSize=1e30"}},
        // Colours are held to 0 to 16777215 and rounded.
        {"0 0 1 30 16777215 0 00", {"HColor=16777215", "HColor=16777216"}},
        {"0 0 1 30 0 0 00", {"HColor=0", "HColor=-5"}},
        {"0 0 1 30 255 16777215 00", {"CColor=99999999"}},
        // "Back" is the whole number 1, "Clock2" exactly the number 1; the dialog saves
        // "Clock2" only with "Equal size", so the default "Different size" reads as that.
        {"0 0 1 30 255 0 10", {"Back=1", "Back=0.6"}},
        {"0 1 1 30 255 0 01", {"Clock2=1", "Clock2=1.0"}}};
    // clang-format on
    for (const auto& [expected, changed] : lines) {
        for (const std::string& line : changed)
            files.emplace_back(worked::settingsWith({line}), expected, Slots{});
    }
    fake::FakePlatform platform;
    const SettingsFile settingsFile(platform);
    for (const auto& [file, expected, slots] : files) {
        SCOPED_TRACE(file.substr(0, file.size() < 200 ? 200 : 40) + " (" +
                     std::to_string(file.size()) + " bytes)");
        platform.putFile("Tikora_Clock.ini", file);
        SettingsValues values;
        EXPECT_TRUE(settingsFile.read(values));
        EXPECT_EQ(readBack(values), expected);
        for (const auto& [slot, text] : slots)
            EXPECT_EQ(values.strSettings[slot], text) << "slot " << slot;
    }
}

TEST(SettingsFileRules, TheDefaultFileAndWhatCannotBeWritten)
{
    fake::FakePlatform platform;
    const SettingsFile file(platform);
    SettingsValues values;
    EXPECT_TRUE(file.missing() && !file.read(values));
    SettingsFile::Lines lines;
    std::copy_n(values.strSettings.begin(), lines.size(), lines.begin());
    EXPECT_EQ(SettingsFile::compose(lines), worked::kDefaultSettings);
    // A value with a line break would shift every later setting by a line.
    for (const char* broken : {"a\nb", "a\r", "\r\nb"}) {
        lines[2] = broken;
        EXPECT_EQ(file.write(lines), tk::WriteFailure::Other) << broken;
    }
    EXPECT_EQ(platform.writeCount, 0);
}

TEST(PictureChooserRules, TheSlidePeriod)
{
    // clang-format off
    const std::pair<std::string, float> accepted[] = {{"5", 5.0f}, {"2.5", 2.5f}, {"0", 0.0f}, {" 7 ", 7.0f}, {"+3", 3.0f}, {"86400", 86400}};
    for (const auto& [text, period] : accepted)
        EXPECT_EQ(parseSlidePeriod(text), period) << '"' << text << '"';
    const std::string rejected[] = {"ё", "Ё", "86400.5", "-1", "2,5", "5s", "five", "пять", "ПЯТЬ", "сек", "1e3", "", "   ", "5!",
                                    "0x10", "\xFF\xFE", "5\xD0", "раз,два", "1, 2", "ёЁ", std::string("5\0", 2)};
    for (const std::string& text : rejected)
        EXPECT_EQ(parseSlidePeriod(text), std::nullopt) << '"' << text << '"';
    // A stored period the chooser could not give runs at the nearest one it can.
    const std::pair<std::string, float> stored[] = {{"2,5", 2.5f}, {"0.0004", 0.0004f}, {"1e30", 86400}, {"-3", 0}, {"soon", 0}, {"nan", 0}};
    // clang-format on
    for (const auto& [text, period] : stored)
        EXPECT_EQ(SettingsFile::slidePeriod(text), period) << text;
}

// Records what the language routine hands to the windows.
// clang-format off
struct RecordedWindows : LocalisedWindows {
    void showLanguage(const LanguageTexts* shown, int label) override { texts = shown, chosen = label, ++calls; }
    const LanguageTexts* texts = nullptr;
    int chosen = -2, calls = 0;
};
// clang-format on

TEST(LocalisationRules, TheLanguageTables)
{
    // A language value, the texts it names, the label marked, and the Localisation then
    // (-1: as it was).
    // clang-format off
    const std::tuple<float, const LanguageTexts*, int, float> languages[] = {
        {0, &kRussian, 0, 0}, {1, &kEnglish, 1, 1}, {0.6f, nullptr, 1, 1}, {0.4f, nullptr, 0, 0}, {7, nullptr, -1, -1}};
    // clang-format on
    for (const auto& [language, texts, chosen, localisation] : languages) {
        SCOPED_TRACE(language);
        RecordedWindows windows;
        Module1 m(windows);
        m.Localisation = -1;
        m.DoLocalisation(language);
        EXPECT_EQ(std::tuple(Module1::textsOf(language), windows.texts, windows.chosen,
                             windows.calls, m.Localisation),
                  std::tuple(texts, texts, chosen, 1, localisation));
        // The messages that other windows show later.
        const LanguageTexts none{};
        const LanguageTexts& t = texts ? *texts : none;
        EXPECT_EQ((std::array<std::string_view, 6>{m.strPicNotFound, m.strSovet, m.strSlidePeriod,
                                                   m.strNoFile, m.strSaveFailed, m.strCannotShow}),
                  (std::array{t.strPicNotFound, t.strSovet, t.strSlidePeriod, t.strNoFile,
                              t.strSaveFailed, t.strCannotShow}));
    }
}

} // namespace
