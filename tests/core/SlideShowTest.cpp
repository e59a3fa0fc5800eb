#include "ClockRun.h"

#include <gtest/gtest.h>

#include <filesystem>

using fake::ClockRun;

namespace {

const std::string kSep(1, tk::kPathSeparator);

// A run with a folder "slides" in its program folder that holds the given files; a file whose
// name ends in ".bad" or that is listed in `broken` holds no picture.
struct SlideRun : ClockRun {
    explicit SlideRun(const std::vector<std::string>& files = {},
                      const std::vector<std::string>& broken = {})
    {
        std::filesystem::create_directory(platform.pathOf("slides"));
        for (const std::string& name : files)
            platform.putFile("slides" + kSep + name, "picture");
        for (const std::string& name : broken)
            platform.putFile("slides" + kSep + name, "GIF89a, cut short");
    }
    std::string folder() { return platform.pathOf("slides") + kSep; }
    std::string slide(const std::string& name) { return folder() + name; }
    bool startShow(const std::string& period = "5", const std::string& pictureFolder = {})
    {
        const std::string where = pictureFolder.empty() ? folder() : pictureFolder;
        return startWith(
            fake::defaultSettingsWith({"PicCenter=" + where, "SlideShowTime=" + period}));
    }
    std::string centre() { return fake::FakePlatform::sourceOf(clock().Pict[0].picture()); }
    std::vector<std::string> centreOverTicks(int ticks)
    {
        std::vector<std::string> shown{centre()};
        for (int i = 0; i < ticks; ++i) {
            clock().TimerSHOW.fire();
            shown.push_back(centre());
        }
        return shown;
    }
};

TEST(SlideShow, GetFilesListsTheMatchingVisibleFilesInOrder)
{
    SlideRun r({"c.gif", "B.GIF", "a.gif", "photo.jpg", ".hidden.gif", "notes.txt"});
    std::filesystem::create_directory(r.platform.pathOf("slides" + kSep + "folder.gif"));
    ASSERT_TRUE(r.start());
    EXPECT_EQ(r.clock().GetFiles(r.folder() + "*.gif"),
              (std::vector<std::string>{"", "a.gif", "B.GIF", "c.gif"}));
    EXPECT_EQ(r.clock().GetFiles(r.folder() + "*.png"), std::vector<std::string>{""});
    EXPECT_EQ(r.clock().GetFiles(r.platform.pathOf("missing") + kSep + "*.gif"),
              std::vector<std::string>{""});
}

TEST(SlideShow, TheListGrowsByFiftyAndIsCutToItsFiles)
{
    std::vector<std::string> names;
    for (int i = 0; i < 120; ++i)
        names.push_back("slide" + std::to_string(1000 + i) + ".gif");
    SlideRun r(names);
    ASSERT_TRUE(r.start());
    std::vector<std::size_t> upperBounds;
    const auto files = r.clock().GetFiles(r.folder() + "*.gif", &upperBounds);
    EXPECT_EQ(upperBounds, (std::vector<std::size_t>{50, 101, 152, 120}));
    ASSERT_EQ(files.size(), 121u);
    EXPECT_EQ(files[0], "");
    EXPECT_EQ(files[1], "slide1000.gif");
    EXPECT_EQ(files[120], "slide1119.gif");
}

TEST(SlideShow, SlidesFollowInTurnAndStartAgainAfterTheLast)
{
    SlideRun r({"a.gif", "b.gif", "c.gif", "photo.jpg"});
    ASSERT_TRUE(r.startShow());
    EXPECT_TRUE(r.clock().TimerSHOW.isRunning());
    EXPECT_EQ(r.clock().TimerSHOW.interval(), 5000);
    EXPECT_EQ(r.dialog().txtOUT.text(), r.folder());
    EXPECT_EQ(r.centreOverTicks(5),
              (std::vector<std::string>{r.slide("a.gif"), r.slide("b.gif"), r.slide("c.gif"),
                                        r.slide("a.gif"), r.slide("b.gif"), r.slide("c.gif")}));
    EXPECT_EQ(r.module().SlideIndex, 0);
}

TEST(SlideShow, ShowsWithoutTwoSlidesNeverReadPastTheirList)
{
    // The files of the folder ("missing": no folder), and what the centre shows then.
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"only.gif"}, "only.gif"},
        {{"photo.jpg"}, "built-in"},
        {{}, "built-in"},
        {{"missing"}, "built-in"}};
    for (const auto& [files, shown] : cases) {
        SCOPED_TRACE(files.empty() ? "empty" : files.front());
        SlideRun r(files == std::vector<std::string>{"missing"} ? std::vector<std::string>{}
                                                                : files);
        const std::string folder =
            files == std::vector<std::string>{"missing"} ? r.platform.pathOf("gone") + kSep : "";
        ASSERT_TRUE(r.startShow("5", folder));
        const std::string expected = shown == "built-in" ? shown : r.slide(shown);
        EXPECT_EQ(r.centreOverTicks(3), std::vector<std::string>(4, expected));
        EXPECT_TRUE(r.clock().TimerSHOW.isRunning());
        EXPECT_EQ(r.dialog().txtOUT.text(), folder.empty() ? r.folder() : folder);
    }
}

TEST(SlideShow, ASlideThatIsNoPictureLeavesThePreviousOne)
{
    SlideRun r({"a.gif", "c.gif"}, {"b.gif"});
    ASSERT_TRUE(r.startShow());
    EXPECT_EQ(r.centreOverTicks(3), (std::vector<std::string>{r.slide("a.gif"), r.slide("a.gif"),
                                                              r.slide("c.gif"), r.slide("a.gif")}));
}

TEST(SlideShow, PeriodsInMilliseconds)
{
    // The stored period, with a point or a comma, and the slide timer's interval.
    const std::vector<std::pair<std::string, int>> cases = {
        {"5", 5000},   {"2.5", 2500},         {"2,5", 2500},
        {"0.0004", 0}, {"86400", 86'400'000}, {"1e30", 86'400'000}};
    for (const auto& [period, interval] : cases) {
        SCOPED_TRACE(period);
        SlideRun r({"a.gif"});
        ASSERT_TRUE(r.startShow(period));
        EXPECT_EQ(r.clock().TimerSHOW.interval(), interval);
    }
}

TEST(SlideShow, NoShowWithoutAPositivePeriod)
{
    for (const std::string period : {"0", "-3", "soon"}) {
        SCOPED_TRACE(period);
        SlideRun r({"a.gif"});
        ASSERT_TRUE(r.startShow(period));
        EXPECT_FALSE(r.clock().TimerSHOW.isRunning());
        EXPECT_EQ(r.centre(), "built-in");
    }
}

TEST(SlideShow, SaveAfterARestartWritesTheStoredShowBack)
{
    // A folder that holds slides, and one that is gone: either way the same two lines return.
    for (const bool present : {true, false}) {
        SCOPED_TRACE(present ? "present" : "gone");
        SlideRun r({"a.gif"});
        const std::string folder = present ? r.folder() : r.platform.pathOf("gone") + kSep;
        const std::string stored = fake::defaultSettingsWith(
            {"PicCenter=" + folder, "SlideShowTime=2,5", "Localisation=0"});
        ASSERT_TRUE(r.startWith(stored));
        r.pressSetupKey();
        EXPECT_FALSE(r.runs([&] { r.dialog().cmdOK_Click(0); }));
        EXPECT_EQ(r.settingsText(),
                  fake::defaultSettingsWith(
                      {"PicCenter=" + folder, "SlideShowTime=2.5", "Localisation=0"}));
    }
}

TEST(SlideShow, SaveAfterARestartWritesTheStoredPictureBack)
{
    SlideRun r({"a.gif"});
    const std::string settings = fake::defaultSettingsWith({"PicCenter=" + r.slide("a.gif")});
    ASSERT_TRUE(r.startWith(settings));
    EXPECT_EQ(r.centre(), r.slide("a.gif"));
    r.pressSetupKey();
    EXPECT_FALSE(r.runs([&] { r.dialog().cmdOK_Click(0); }));
    EXPECT_EQ(r.settingsText(), settings);
}

} // namespace
