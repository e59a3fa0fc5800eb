#include "DesktopTest.h"

#include <algorithm>
#include <vector>

// The clock on a running time of day: each tick repaints only the places that the moved
// circles, lines and figures left and took, so a fault in what a tick repaints shows as
// trails that grow from second to second, or as a face that stops changing.

namespace {

constexpr int kShots = 5;
constexpr int kSecondMs = 1000;
// The seconds group's colour covers about 670 pixels at 1024 x 768 and changes by a few per
// cent as the group turns; a line left behind adds about 60 a second, a circle with its figure
// a few hundred.
constexpr double kAllowedGrowth = 1.1;
constexpr int kAllowedExtraPixels = 20;

int pixelsOf(const QImage& image, const QColor& colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            count += PixelProbe::matches(line[x], colour) ? 1 : 0;
    }
    return count;
}

using RepaintX = DesktopTest;

TEST_F(RepaintX, MovingGroupsLeaveNoTrailsAndTheFaceChangesEverySecond)
{
    // "@" lets the faked time of day run on from its start.
    ASSERT_TRUE(clock->start({"/s"}, "@" + kFrozenTime)) << clock->output();
    ASSERT_TRUE(waitForColour({476, 384}, DesktopTest::kSeconds)) << clock->output();
    std::vector<QImage> screens;
    for (int i = 0; i < kShots; ++i) {
        screens.push_back(x->screenshot());
        QThread::msleep(kSecondMs);
    }
    const int first = pixelsOf(screens.front(), DesktopTest::kSeconds);
    ASSERT_GT(first, 0);
    for (std::size_t i = 1; i < screens.size(); ++i) {
        EXPECT_NE(screens[i], screens[i - 1]) << "the face did not change in second " << i;
        EXPECT_LE(pixelsOf(screens[i], DesktopTest::kSeconds),
                  first * kAllowedGrowth + kAllowedExtraPixels)
            << "the seconds group's colour grew by second " << i;
    }
}

} // namespace
