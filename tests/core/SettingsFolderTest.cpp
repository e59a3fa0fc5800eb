#include "ClockRun.h"

#include <gtest/gtest.h>

#include <filesystem>

using fake::ClockRun;

namespace {

// An installed copy keeps its settings file and looks for its background picture in a folder
// of the user's, not beside the program.
TEST(SettingsFolder, SettingsAndBackgroundLiveInTheSettingsFolder)
{
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

    // Save writes there too.
    r.clock().lblS[2].setForeColor(fake::kGreen);
    EXPECT_THROW(r.dialog().cmdOK_Click(0), fake::FakePlatform::Ended);
    EXPECT_EQ(r.platform.readFile(r.platform.pathOf("config/Tikora_Clock.ini")),
              fake::defaultSettingsWith({"Back=1", "HColor=65280"}));
}

TEST(SettingsFolder, SettingsFileInTheSettingsFolderIsRead)
{
    ClockRun r;
    r.platform.settingsSubfolder = "config";
    r.platform.putFile("Tikora_Clock.ini", "ViewTime=1\r\n");
    std::filesystem::create_directories(r.platform.pathOf("config"));
    r.platform.putFile("config/Tikora_Clock.ini", "ViewTime=0\r\nShapeWidth=1\r\n");
    ASSERT_TRUE(r.start());
    EXPECT_EQ(r.module().ViewTime, 0);
    EXPECT_EQ(r.module().ShapeWidth, 1);
}

} // namespace
