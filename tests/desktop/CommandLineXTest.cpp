#include "DesktopTest.h"

// What the program does with its command line and its display: no display is one line and
// status 1, Qt's own options are never taken, and -display names the display.

namespace {

// The centre circle's left rim on a 1024 x 768 screen, where a face shows first.
const QPoint kCentreRim{476, 384};

struct NoDisplayCase {
    const char* name;
    std::optional<QString> display;
    QStringList switches;
};

class NoDisplayX : public DesktopTest, public ::testing::WithParamInterface<NoDisplayCase> {};

TEST_P(NoDisplayX, SaysSoInOneLineAndEndsWithStatusOne)
{
    clock->setEnvironment("DISPLAY", GetParam().display);
    ASSERT_TRUE(clock->start(GetParam().switches));
    ASSERT_TRUE(clock->endsWithin(kPromptEndMs));
    EXPECT_EQ(clock->exitCode(), 1);
    const std::string output = clock->output();
    EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 1) << output;
    EXPECT_NE(output.find("display"), std::string::npos) << output;
}

// A display number that no server serves.
const QString kDeadDisplay = ":64999";

INSTANTIATE_TEST_SUITE_P(
    Cases, NoDisplayX,
    ::testing::Values(NoDisplayCase{"NoDisplaySaver", std::nullopt, {"/s"}},
                      NoDisplayCase{"NoDisplayPreview", std::nullopt, {"/p"}},
                      NoDisplayCase{"DeadDisplaySaver", kDeadDisplay, {"/s"}},
                      NoDisplayCase{"DeadDisplayPreview", kDeadDisplay, {"/p"}},
                      NoDisplayCase{"DeadDisplayOption", std::nullopt, {"-display", kDeadDisplay}},
                      NoDisplayCase{"DeadDisplayEmbedded", kDeadDisplay, {"--root"}}),
    [](const auto& info) { return std::string(info.param.name); });

using CommandLineX = DesktopTest;

TEST_F(CommandLineX, DisplayOptionNamesTheDisplay)
{
    clock->setEnvironment("DISPLAY", std::nullopt);
    ASSERT_TRUE(clock->start({"-display", x->display(), "/s"}));
    EXPECT_TRUE(waitForColour(kCentreRim, kSeconds)) << clock->output();
}

// "-platform offscreen" would make an invisible copy that no input can end.
TEST_F(CommandLineX, QtPlatformOptionIsNotTaken)
{
    ASSERT_TRUE(clock->start({"-platform", "offscreen", "/s"}));
    ASSERT_TRUE(waitForColour(kCentreRim, kSeconds)) << clock->output();
    x->key("a");
    EXPECT_TRUE(clock->endsWithin(kPromptEndMs));
}

class WhiteRootX : public DesktopTest {
protected:
    void SetUp() override
    {
        x = std::make_unique<XDriver>(QStringList{"1024x768x24"}, true);
        ASSERT_FALSE(x->display().isEmpty()) << "Xvfb could not be started; is it installed?";
        clock = std::make_unique<ClockProcess>(x->display());
    }
};

// "-qwindowgeometry 100x100" would leave most of the screen uncovered.
TEST_F(WhiteRootX, QtGeometryOptionIsNotTaken)
{
    ASSERT_TRUE(clock->start({"-qwindowgeometry", "100x100", "/s"}));
    ASSERT_TRUE(waitForColour(kCentreRim, kSeconds)) << clock->output();
    const QImage screen = x->screenshot();
    for (const QPoint corner : {QPoint(1, 1), QPoint(1022, 1), QPoint(1, 766), QPoint(600, 700)})
        EXPECT_TRUE(PixelProbe::matches(screen.pixel(corner), Qt::black)) << corner.x();
}

} // namespace
