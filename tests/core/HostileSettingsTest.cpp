#include "ClockRun.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>

using fake::ClockRun;

// Settings files that no settings dialog wrote: edited by hand, damaged or hostile.

namespace {

// What the run took from its file: ViewTime, ShapeWidth, the hours and seconds figure sizes,
// the hours colour, the circles' fill, then "Back" and "Clock2" ticked or not.
std::string readBack(ClockRun& r)
{
    const Form1& c = r.clock();
    const Form2& d = r.dialog();
    return tk::singleText(r.module().ViewTime) + " " + tk::singleText(r.module().ShapeWidth) + " " +
           tk::singleText(c.lblS[2].font().size) + " " + tk::singleText(c.lblS[0].font().size) +
           " " + std::to_string(c.lblS[2].foreColor()) + " " +
           std::to_string(c.ShapeS[2].backColor()) + " " + std::to_string(d.chkBG[0].value()) +
           std::to_string(d.chkBG[1].value());
}

// Whether each figure's label starts inside its circle, where the face puts it.
bool figuresInTheirCircles(Form1& c)
{
    for (int k = 0; k < 3; ++k) {
        const tk::Bounds label = c.lblS[k].bounds();
        const tk::Bounds circle = c.ShapeS[k + 2].bounds();
        if (label.left < circle.left || label.left > circle.left + circle.width ||
            label.top < circle.top || label.top > circle.top + circle.height)
            return false;
    }
    return true;
}

TEST(HostileSettings, ValuesTheDialogCannotWriteReadAsTheNearestItCan)
{
    const std::string defaults = "0 0 30 15 255 0 00";
    const std::vector<std::pair<std::string, std::string>> cases = {
        // What the dialog writes keeps its meaning exactly.
        {"ViewTime=1", "1 0 30 15 255 0 00"},
        {"ShapeWidth=1", "0 1 30 30 255 0 00"},
        {"HSize=8.25", "0 0 8.25 4.125 255 0 00"},
        {"HSize=1", "0 0 1 0.5 255 0 00"},
        {"HSize=1638", "0 0 1638 819 255 0 00"},
        {"HColor=16777215", "0 0 30 15 16777215 0 00"},
        {"HColor=0", "0 0 30 15 0 0 00"},
        {"Back=1", "0 0 30 15 255 0 10"},
        // The dial's own figure size.
        {"Clock2=1", "0 1 28 28 255 0 01"},
        // Any option index but 0 is the second option, and reads as 1.
        {"ViewTime=2", "1 0 30 15 255 0 00"},
        {"ViewTime=-1", "1 0 30 15 255 0 00"},
        {"ViewTime=0.5", "1 0 30 15 255 0 00"},
        {"ViewTime=-0", defaults},
        {"ShapeWidth=1e30", "0 1 30 30 255 0 00"},
        {"ShapeWidth=-7", "0 1 30 30 255 0 00"},
        {"ShapeWidth=0.001", "0 1 30 30 255 0 00"},
        // Font sizes are held to the font picker's 1 to 1638 points.
        {"HSize=1e308", "0 0 1638 819 255 0 00"},
        {"HSize=1e30", "0 0 1638 819 255 0 00"},
        {"HSize=5000", "0 0 1638 819 255 0 00"},
        {"HSize=0.001", "0 0 1 0.5 255 0 00"},
        {"HSize=0", "0 0 1 0.5 255 0 00"},
        {"HSize=-30", "0 0 1 0.5 255 0 00"},
        // Colours are held to 0 to 16777215 and rounded.
        {"HColor=16777216", "0 0 30 15 16777215 0 00"},
        {"HColor=1e30", "0 0 30 15 16777215 0 00"},
        {"HColor=-5", "0 0 30 15 0 0 00"},
        {"HColor=254.6", "0 0 30 15 255 0 00"},
        {"CColor=-1", defaults},
        {"CColor=99999999", "0 0 30 15 255 16777215 00"},
        // The check boxes: "Back" is the whole number 1, "Clock2" exactly the number 1.
        {"Back=2", defaults},
        {"Back=0.6", "0 0 30 15 255 0 10"},
        {"Back=-1", defaults},
        {"Clock2=2", defaults},
        {"Clock2=0.6", defaults},
        {"Clock2=1.0", "0 1 28 28 255 0 01"},
        // Texts that are no finite number keep the default's meaning.
        {"ViewTime=nan", defaults},
        {"ViewTime=inf", defaults},
        {"ShapeWidth=NaN", defaults},
        {"ShapeWidth=-inf", defaults},
        {"ShapeWidth=1e999", defaults},
        {"HSize=inf", defaults},
        {"HSize=nan", defaults},
        {"HSize=1e999", defaults},
        {"HColor=nan", defaults},
        {"HColor=-inf", defaults},
        {"Back=nan", defaults},
        {"Clock2=inf", defaults},
    };
    for (const auto& [line, expected] : cases) {
        SCOPED_TRACE(line);
        ClockRun r;
        r.platform.setTime(10, 20, 30);
        ASSERT_TRUE(r.startWith(fake::defaultSettingsWith({line})));
        r.tick();
        EXPECT_EQ(readBack(r), expected);
        EXPECT_TRUE(figuresInTheirCircles(r.clock()));
    }
}

// Bytes that make no settings file at all, the same each run.
std::string binaryGarbage(std::size_t size)
{
    std::mt19937 bytes(7);
    std::string text(size, '\0');
    for (char& c : text)
        c = static_cast<char>(bytes());
    return text;
}

TEST(HostileSettings, FilesOfEveryShapeStartTheClockAndKeepWhatTheyCannotGive)
{
    const std::string defaults = "0 0 30 15 255 0 00";
    const std::string tenMegabytes(10'000'000, 'x');
    std::string manyLines;
    for (int i = 0; i < 100'000; ++i)
        manyLines += "HSize=" + std::to_string(i) + "\r\n";
    const std::string withEqualSize = fake::defaultSettingsWith({"ShapeWidth=1", "HSize=24"});
    const auto replaced = [](std::string text, const std::string& from, const std::string& to) {
        for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at))
            text.replace(at, from.size(), to), at += to.size();
        return text;
    };
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", defaults},
        {binaryGarbage(4096), defaults},
        {std::string(64, '\0'), defaults},
        {"ViewTime=1\r\nShapeWidth=1\r\nPicCenter=Default\r\nSlideShowTime=0\r\n"
         "Localisation=1\r\nBack=0\r\nHColor=255\r\nMColor=8421631\r\nSColor=12632319\r\n"
         "CColor=0\r\nHSize=24\r\nFName=" +
             tenMegabytes + "\r\n",
         "1 1 24 24 255 0 00"},
        {"ViewTime=" + tenMegabytes, defaults},
        // Line n gives slot n the value n, and the lines past the 16th are not read.
        {manyLines, "0 1 10 10 6 9 00"},
        {replaced(withEqualSize, "\r\n", "\r"), "0 1 24 24 255 0 00"},
        {replaced(withEqualSize, "\r\n", "\n"), "0 1 24 24 255 0 00"},
        // The byte-order mark some editors write is no part of the first value.
        {"\xEF\xBB\xBFViewTime=1\r\n", "1 0 30 15 255 0 00"},
        {"\xEF\xBB\xBF", defaults},
        {"\xEF\xBBViewTime=1\r\n", "1 0 30 15 255 0 00"},
        {"ViewTime=\xFF\xFE\r\nShapeWidth=1\xC3\r\nHColor=\xC3\x28\r\n", defaults},
    };
    for (const auto& [file, expected] : cases) {
        SCOPED_TRACE(file.substr(0, 40) + " (" + std::to_string(file.size()) + " bytes)");
        ClockRun r;
        r.platform.setTime(10, 20, 30);
        ASSERT_TRUE(r.startWith(file));
        r.tick();
        EXPECT_EQ(readBack(r), expected);
        EXPECT_TRUE(r.clock().Timer4.isRunning());
        EXPECT_EQ(r.clock().lblS[0].caption(), r.module().ViewTime == 0 ? "30" : "0");
        EXPECT_EQ(r.platform.writeCount, 0) << "the user's file is never replaced";
    }
    // A font name that is no UTF-8 is handed on as it stands.
    ClockRun r;
    ASSERT_TRUE(r.openDialog(fake::defaultSettingsWith({"FName=Ta\xFFhoma"})));
    EXPECT_EQ(r.clock().lblS[2].font().name, "Ta\xFFhoma");
}

} // namespace

TEST(HostileSettings, SlidePeriodsTheChooserCannotGiveRunAtTheNearestItCan)
{
    // The stored period, and the period and slide timer interval the run takes from it.
    const std::vector<std::tuple<std::string, float, int>> cases = {
        {"2,5", 2.5f, 2500},
        {"86400", 86400, 86'400'000},
        {"1e30", 86400, 86'400'000},
        {"-5", 0, 0},
        {"-1e30", 0, 0},
        {"nan", 0, 0},
    };
    for (const auto& [stored, period, interval] : cases) {
        SCOPED_TRACE(stored);
        ClockRun r;
        ASSERT_TRUE(r.startWith(fake::defaultSettingsWith(
            {"PicCenter=" + r.platform.pathOf("slides") + tk::kPathSeparator,
             "SlideShowTime=" + stored})));
        EXPECT_EQ(r.module().SlideShowTime, period);
        EXPECT_EQ(r.clock().TimerSHOW.isRunning(), interval > 0);
        if (interval > 0)
            EXPECT_EQ(r.clock().TimerSHOW.interval(), interval);
    }
}
