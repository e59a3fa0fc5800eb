#include "DesktopTest.h"

#include <vector>

namespace {

// The clock's centre on a 1024 x 768 screen, in twips.
constexpr double kCentreX = 7680;
constexpr double kCentreY = 5760;
// A point inside a circle, right of its left rim and left of its figure.
constexpr QPoint kIntoCircle{7, 0};

// A circle's left rim from its left, top and width in twips; the 2-pixel border lies inside.
QPoint leftRim(double left, double top, double width)
{
    return DesktopTest::pixel(left + 15, top + width / 2);
}

// The middle of a line from the clock's centre to (x2, y2) in twips.
QPoint halfway(double x2, double y2)
{
    return DesktopTest::pixel((kCentreX + x2) / 2, (kCentreY + y2) / 2);
}

using ClockFaceX = DesktopTest;

TEST_F(ClockFaceX, FaceAtTenTwentyThirtyStandsWhereTheLayoutPutsIt)
{
    ASSERT_TRUE(clock->start({}, kFrozenTime)) << clock->output();
    // "Different size" after the first tick, which turns the groups away from 3 o'clock.
    const QPoint secondsRim = leftRim(7330.0, 8770.0, 700);
    const QPoint minutesRim = leftRim(9510.1, 6637.0, 850);
    const QPoint hoursRim = leftRim(5859.2, 4145.2, 1080);
    const std::vector<std::pair<QPoint, QColor>> marks = {
        {secondsRim, kSeconds},
        {minutesRim, kMinutes},
        {hoursRim, kHours},
        {leftRim(7140, 5220, 1080), kSeconds}, // the centre circle
        {halfway(7680.0, 8800.0), kSeconds},
        {halfway(9862.4, 7020.0), kMinutes},
        {halfway(6393.1, 4680.1), kHours},
    };
    const QImage screen = waitForScreen([&](const QImage& image) {
        return std::all_of(marks.begin(), marks.end(), [&](const auto& mark) {
            return PixelProbe::near(image, mark.first, mark.second);
        });
    });
    for (const auto& [point, colour] : marks)
        EXPECT_TRUE(PixelProbe::near(screen, point, colour)) << point.x() << ", " << point.y();
    for (const QPoint rim : {secondsRim, minutesRim, hoursRim})
        EXPECT_TRUE(PixelProbe::matches(screen.pixel(rim + kIntoCircle), Qt::black)) << rim.x();
    EXPECT_EQ(clock->readFile(kSettingsName), kDefaultSettings);
}

TEST_F(ClockFaceX, PreviewEndsAtOnceWithTheDefaultFileWritten)
{
    ASSERT_TRUE(clock->start({"/p"}));
    EXPECT_TRUE(clock->endsWithin(kPromptEndMs)) << clock->output();
    EXPECT_EQ(clock->readFile(kSettingsName), kDefaultSettings);
}

} // namespace
