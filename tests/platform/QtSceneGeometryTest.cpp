#include "QtSceneGeometry.h"
#include "FaceGeometry.h"

#include <QRegion>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using Rect = tk::PixelRect;

// The region Qt makes of the area's rectangles by uniting them one by one.
QRegion unitedByQt(const scene::Area& area)
{
    QRegion region;
    for (const Rect& rect : area.rects())
        region += QtSceneGeometry::toQt(rect);
    return region;
}

// A line of the face from the middle of a 1920 x 1080 screen, `length` pixels long.
scene::Area lineArea(double degrees, double length, int penWidth)
{
    const double radians = degrees * std::numbers::pi / 180;
    const tk::PixelPointF from{960.5, 540.25};
    const tk::PixelPointF to{from.x + length * std::sin(radians),
                             from.y - length * std::cos(radians)};
    return scene::FaceGeometry::lineArea({from, to}, penWidth);
}

} // namespace

// An area handed to Qt in bands is the region Qt itself unites of its rectangles, rectangle for
// rectangle, so that a repaint sends the same pixels in the same requests.
TEST(QtSceneGeometry, AreaIsTheRegionQtUnitesOfItsRectangles)
{
    // clang-format off
    struct Row { const char* name; scene::Area area; };
    const Row rows[] = {
        {"nothing", scene::Area()},
        {"one rectangle", Rect(3, 4, 5, 6)},
        {"overlapping rectangles", scene::Area(Rect(0, 0, 10, 10)) += Rect(5, 5, 10, 10)},
        {"rectangles side by side make one", scene::Area(Rect(0, 0, 10, 10)) += Rect(10, 0, 7, 10)},
        {"rectangles one above the other make one", scene::Area(Rect(0, 0, 10, 4)) += Rect(0, 4, 10, 6)},
        {"a gap between two in a band", scene::Area(Rect(0, 0, 4, 4)) += Rect(6, 2, 4, 4)},
        {"a frame around a cut", scene::Area(Rect(0, 0, 10, 10)) -= Rect(3, 3, 4, 4)},
        {"the same rectangle twice", scene::Area(Rect(1, 1, 2, 2)) += Rect(1, 1, 2, 2)},
        {"a thin line at 37 degrees", lineArea(37, 310, 1)},
        {"a thick line at 200 degrees", lineArea(200, 230, 5)},
        {"a level line", lineArea(90, 150, 2)},
        {"two lines that cross", lineArea(10, 310, 1) += lineArea(350, 230, 1)}};
    // clang-format on
    for (const Row& row : rows) {
        const QRegion region = QtSceneGeometry::toQt(row.area);
        EXPECT_EQ(region, unitedByQt(row.area)) << row.name;
        EXPECT_EQ(region.rectCount(), unitedByQt(row.area).rectCount()) << row.name;
    }
}
