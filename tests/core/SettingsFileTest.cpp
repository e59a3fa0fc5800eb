#include "ClockRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <tuple>

using fake::ClockRun;

namespace {

TEST(SettingsFile, WhereItLivesAndWhenItIsLeftAlone)
{
    // A folder that cannot be written leaves the defaults, silently. (Where it can be, the
    // start-up tests of the command line find the default file written.)
    ClockRun unwritable;
    unwritable.platform.failWrites = true;
    ASSERT_TRUE(unwritable.start());
    EXPECT_EQ(unwritable.settingsText(), "<missing>");
    EXPECT_TRUE(unwritable.platform.messages.empty());
    EXPECT_EQ(unwritable.clock().lblS[2].font().size, 30);

    // A file that exists but cannot be read is not overwritten.
    ClockRun unreadable;
    unreadable.platform.failReads = true;
    ASSERT_TRUE(unreadable.startWith("ViewTime=1\r\n"));
    EXPECT_EQ(unreadable.platform.writeCount, 0);
    EXPECT_EQ(unreadable.settings().ViewTime, 0);
    unreadable.platform.failReads = false;
    EXPECT_EQ(unreadable.settingsText(), "ViewTime=1\r\n");

    // An installed copy keeps its settings file and looks for its background picture in a
    // folder of the user's, not beside the program.
    ClockRun r;
    r.platform.settingsSubfolder = "config";
    r.platform.putFile("Tikora_Clock_bg.jpg", "picture beside the program");
    ASSERT_TRUE(r.start());
    EXPECT_FALSE(std::filesystem::exists(r.platform.pathOf("Tikora_Clock.ini")));
    EXPECT_EQ(r.platform.readFile(r.platform.pathOf("config/Tikora_Clock.ini")),
              fake::kDefaultSettings);

    // "Back" finds the picture in the settings folder only.
    r.dialog().chkBG[0].setValue(1);
    EXPECT_EQ(r.clock().picture(), nullptr);
    r.platform.putFile("config/Tikora_Clock_bg.jpg", "picture");
    r.clock().DoBackGround();
    EXPECT_EQ(fake::FakePlatform::sourceOf(r.clock().picture()),
              r.platform.pathOf("config/Tikora_Clock_bg.jpg"));

    // Save writes there too, white as the largest colour there is.
    r.clock().lblS[2].setForeColor(tk::kWhite);
    EXPECT_FALSE(r.save());
    EXPECT_EQ(r.platform.readFile(r.platform.pathOf("config/Tikora_Clock.ini")),
              fake::settingsWith({"Back=1", "HColor=16777215"}));

    // The file there is read, not the one beside the program.
    ClockRun installed;
    installed.platform.settingsSubfolder = "config";
    installed.platform.putFile("Tikora_Clock.ini", "ViewTime=1\r\n");
    std::filesystem::create_directories(installed.platform.pathOf("config"));
    installed.platform.putFile("config/Tikora_Clock.ini", "ViewTime=0\r\nShapeWidth=1\r\n");
    ASSERT_TRUE(installed.start());
    EXPECT_EQ(std::pair(installed.settings().ViewTime, installed.settings().ShapeWidth),
              std::pair(0.0f, 1.0f));
}

// Settings files that no settings dialog wrote: edited by hand, damaged or hostile.

// What the run took from its file: ViewTime, ShapeWidth, Localisation, the hours and seconds
// figure sizes, the hours colour, the circles' fill, then "Back" and "Clock2" ticked or not.
std::string readBack(ClockRun& r)
{
    const Form1& c = r.clock();
    const Form2& d = r.dialog();
    const SettingsValues& m = r.settings();
    return tk::singleText(m.ViewTime) + " " + tk::singleText(m.ShapeWidth) + " " +
           tk::singleText(r.module().Localisation) + " " + tk::singleText(c.lblS[2].font().size) +
           " " + tk::singleText(c.lblS[0].font().size) + " " +
           std::to_string(c.lblS[2].foreColor()) + " " + std::to_string(c.ShapeS[2].backColor()) +
           " " + std::to_string(d.chkBG[0].value()) + std::to_string(d.chkBG[1].value());
}

const std::string kReadBackDefaults = "0 0 1 30 15 255 0 00";

TEST(SettingsFile, FilesOfEveryShapeAreReadByPositionAndNeverReplaced)
{
    const std::string tenMegabytes(10'000'000, 'x');
    // Bytes that make no settings file at all, the same each run.
    std::string garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += static_cast<char>(i * 7919 % 251);
    std::string manyLines;
    for (int i = 0; i < 100'000; ++i)
        manyLines += "HSize=" + std::to_string(i) + "\r\n";
    const std::string withEqualSize = fake::settingsWith({"ShapeWidth=1", "HSize=24"});
    const auto replaced = [](std::string text, const std::string& from, const std::string& to) {
        for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at))
            text.replace(at, from.size(), to), at += to.size();
        return text;
    };
    // A file, what readBack() gives for it, and some slots of the settings as read.
    using Slots = std::map<int, std::string>;
    std::vector<std::tuple<std::string, std::string, Slots>> cases = {
        {"", kReadBackDefaults, {{6, "255"}, {11, "Tahoma"}, {12, "0"}}},
        {"ViewTime=1\r\nShapeWidth=1\r\n", "1 1 1 30 30 255 0 00", {{10, "30"}}},
        // The first line's 255 is the time mode's second option, "Time from start".
        {"HColor=255\r\nViewTime=0\r\n", "1 0 1 30 15 255 0 00", {{0, "255"}, {1, "0"}}},
        {"ViewTime=0\r\nShapeWidth=0\r\nPicCenter=/a=b\r\n", kReadBackDefaults, {{2, "/a=b"}}},
        {"just text\r\nShapeWidth=1", "0 1 1 30 30 255 0 00", {{0, "just text"}}},
        {"ViewTime=1\r\nShapeWidth=1\nPicCenter=x\r", "1 1 1 30 30 255 0 00", {{2, "x"}}},
        {replaced(withEqualSize, "\r\n", "\r"), "0 1 1 24 24 255 0 00", {}},
        {replaced(withEqualSize, "\r\n", "\n"), "0 1 1 24 24 255 0 00", {{3, "0"}}},
        // Line n gives slot n the value n, and the lines past the 16th are not read.
        {manyLines, "0 1 1 10 10 6 9 00", {{2, "2"}, {12, "12"}, {15, "15"}}},
        // Texts that are no number keep the default's meaning, and their slot keeps the text.
        {"ViewTime=abc\r\nShapeWidth=?\r\nPicCenter=Default\r\nSlideShowTime=zz\r\n"
         "Localisation=1\r\nBack=yes\r\nHColor=xyz\r\nMColor=-\r\nSColor=\r\n"
         "CColor=blue\r\nHSize=big\r\nFName=Tahoma\r\nClock2=maybe\r\n",
         kReadBackDefaults,
         {{0, "abc"}}},
        {garbage, kReadBackDefaults, {}},
        {std::string(64, '\0'), kReadBackDefaults, {}},
        {replaced(fake::settingsWith({"ViewTime=1", "ShapeWidth=1", "HSize=24"}), "Tahoma",
                  tenMegabytes),
         "1 1 1 24 24 255 0 00",
         {}},
        {"ViewTime=" + tenMegabytes, kReadBackDefaults, {}},
        // The byte-order mark some editors write is no part of the first value.
        {"\xEF\xBB\xBFViewTime=1\r\n", "1 0 1 30 15 255 0 00", {}},
        {"\xEF\xBB\xBF", kReadBackDefaults, {}},
        {"\xEF\xBBViewTime=1\r\n", "1 0 1 30 15 255 0 00", {}},
        {"ViewTime=\xFF\xFE\r\nShapeWidth=1\xC3\r\nHColor=\xC3\x28\r\n", kReadBackDefaults, {}}};
    // What readBack() gives, and the lines that, put into the default file, give it. What the
    // dialog writes keeps its meaning exactly; what it cannot write reads as the nearest value
    // it can, and a text that is no finite number keeps the default's meaning.
    const std::pair<std::string, std::vector<std::string>> lines[] = {
        {kReadBackDefaults,
         {"ViewTime=-0", "ViewTime=nan", "ViewTime=inf", "ShapeWidth=NaN", "ShapeWidth=-inf",
          "ShapeWidth=1e999", "HSize=inf", "HSize=nan", "HSize=1e999", "HColor=254.6", "HColor=nan",
          "HColor=-inf", "CColor=-1", "Back=2", "Back=-1", "Back=nan", "Clock2=2", "Clock2=0.6",
          "Clock2=inf"}},
        // Any option index but 0 is the second option, and reads as 1.
        {"1 0 1 30 15 255 0 00", {"ViewTime=1", "ViewTime=2", "ViewTime=-1", "ViewTime=0.5"}},
        {"0 1 1 30 30 255 0 00",
         {"ShapeWidth=1", "ShapeWidth=1e30", "ShapeWidth=-7", "ShapeWidth=0.001"}},
        // Only "0" gives Russian; anything else, a digit or a blank more included, gives English.
        {"0 0 0 30 15 255 0 00", {"Localisation=0"}},
        {kReadBackDefaults,
         {"Localisation=1", "Localisation=01", "Localisation=", "Localisation=x", "Localisation=7",
          "Localisation= 0", "Localisation=0 "}},
        // Font sizes are held to the font picker's 1 to 1638 points.
        {"0 0 1 8.25 4.125 255 0 00", {"HSize=8.25"}},
        {"0 0 1 1 0.5 255 0 00", {"HSize=1", "HSize=0.001", "HSize=0", "HSize=-30"}},
        {"0 0 1 1638 819 255 0 00", {"HSize=1638", "HSize=1e308", "HSize=1e30", "HSize=5000"}},
        // Colours are held to 0 to 16777215 and rounded.
        {"0 0 1 30 15 16777215 0 00", {"HColor=16777215", "HColor=16777216", "HColor=1e30"}},
        {"0 0 1 30 15 0 0 00", {"HColor=0", "HColor=-5"}},
        {"0 0 1 30 15 255 16777215 00", {"CColor=99999999"}},
        // "Back" is the whole number 1, "Clock2" exactly the number 1, with the dial's own
        // figure size.
        {"0 0 1 30 15 255 0 10", {"Back=1", "Back=0.6"}},
        {"0 1 1 28 28 255 0 01", {"Clock2=1", "Clock2=1.0"}}};
    for (const auto& [expected, changed] : lines) {
        for (const std::string& line : changed)
            cases.emplace_back(fake::settingsWith({line}), expected, Slots{});
    }
    for (const auto& [file, expected, slots] : cases) {
        SCOPED_TRACE(file.substr(0, file.size() < 200 ? 200 : 40) + " (" +
                     std::to_string(file.size()) + " bytes)");
        ClockRun r;
        ASSERT_TRUE(r.startAtTenTwenty(file));
        EXPECT_EQ(readBack(r), expected);
        for (const auto& [slot, text] : slots)
            EXPECT_EQ(r.settings().strSettings[slot], text) << "slot " << slot;
        EXPECT_TRUE(r.clock().Timer4.isRunning());
        EXPECT_EQ(r.clock().lblS[0].caption(), r.settings().ViewTime == 0 ? "30" : "0");
        EXPECT_EQ(r.platform.writeCount, 0) << "the user's file is never replaced";
    }
    // A font name that is no UTF-8 is handed on as it stands.
    ClockRun r;
    ASSERT_TRUE(r.openDialog(fake::settingsWith({"FName=Ta\xFFhoma"})));
    EXPECT_EQ(r.clock().lblS[2].font().name, "Ta\xFFhoma");
}

} // namespace
