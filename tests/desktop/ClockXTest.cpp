#include "XTest.h"

// The clock window of the real program: its face and the hint at 192 dots per inch, and what its
// repaints of only what moved leave on the screen.

namespace {

// Where the seconds, minutes and hours figures stand at 10:20:30 in "Different size".
constexpr QRect kFigures[] = {{500, 595, 25, 25}, {645, 452, 34, 34}, {403, 286, 46, 43}};
// Enough pixels of a group's colour for two bold digits, and none without them.
constexpr int kFigurePixels = 12;
constexpr QRect kHintCorner{824, 728, 200, 40};
constexpr QRect kHoursRim{390, 276, 16, 72};
// Of a circle's rim, 35 % of the pixels are blended with the black around it when it is drawn
// at the screen's pixels, and 57 % when it is scaled up.
constexpr double kMostBlended = 0.45;
constexpr double kAnyCoverage = 0.05;
constexpr double kWholeCoverage = 0.9;
// Longer than a tick: a face that has not changed for this long stands still.
constexpr int kStillMs = 1500;

// The clock at 192 dots per inch (Xft.dpi, a desktop's 200 %) on a screen of twice the pixels:
// the same layout as at 96 with every pixel doubled, drawn sharp.
class ScaledClockX : public XTest {
protected:
    static constexpr int kScale = 2;

    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(
            useScreens({QString("%1x%2x24").arg(1024 * kScale).arg(768 * kScale)}));
        ASSERT_TRUE(
            clock->writeFile("Xresources", QString("Xft.dpi: %1\n").arg(96 * kScale).toUtf8()));
        x->run("xrdb", {"-merge", clock->path("Xresources")});
    }
    QPoint at(QPoint point) const { return point * kScale; }
    QRect at(const QRect& area) const { return {area.topLeft() * kScale, area.size() * kScale}; }
};

TEST_F(ScaledClockX, FaceAtTenTwentyThirtyStandsWhereTheLayoutPutsItWithItsFiguresAndTheHint)
{
    ASSERT_TRUE(clock->start({}, kFrozenTime)) << clock->output();
    // "Different size" after the first tick, which turns the groups away from 3 o'clock: each
    // group's circle rim, the middle of its line and its figure in the group's colour, and the
    // centre circle's rim.
    const QColor colours[] = {kSeconds, kMinutes, kHours};
    // A circle's left rim from its left, top and width in twips; the 2-pixel border lies inside.
    const auto leftRim = [](double left, double top, double width) {
        return pixel(left + 15, top + width / 2);
    };
    // The middle of a line from the clock's centre to (x2, y2) in twips.
    const auto halfway = [](double x2, double y2) {
        return pixel((worked::kCentreX + x2) / 2, (worked::kCentreY + y2) / 2);
    };
    const worked::Face& face = worked::kDifferentLater;
    std::vector<std::pair<QPoint, QColor>> marks = {{leftRim(7140, 5220, 1080), kSeconds}};
    std::vector<QPoint> rims;
    for (int k = 0; k < 3; ++k) {
        const worked::Group& group = face.groups[k];
        rims.push_back(leftRim(group.circleLeft, group.circleTop, face.circleWidths[k]));
        marks.insert(marks.end(), {{rims.back(), colours[k]},
                                   {halfway(group.lineX2, group.lineY2), colours[k]}});
    }
    const auto missing = [&](const QImage& image) {
        std::string gone = PixelProbe::lit(image, at(kHintCorner)) > 0 ? "" : "the hint ";
        for (const auto& [point, colour] : marks) {
            if (!PixelProbe::near(image, at(point), colour))
                gone += QString("(%1, %2) ").arg(point.x()).arg(point.y()).toStdString();
        }
        for (int k = 0; k < 3; ++k) {
            if (PixelProbe::count(image, at(kFigures[k]), colours[k]) <
                kFigurePixels * kScale * kScale)
                gone += "figure " + std::to_string(k) + " ";
        }
        return gone;
    };
    const QImage screen =
        waitForScreen([&](const QImage& image) { return missing(image).empty(); });
    EXPECT_EQ(missing(screen), "");
    // Inside each circle, right of its rim and left of its figure, lies its black fill.
    for (const QPoint rim : rims) {
        EXPECT_TRUE(PixelProbe::matches(screen.pixel(at(rim + QPoint(7, 0))), Qt::black))
            << rim.x();
    }

    // "Options" keeps its size in inches.
    x->key("1");
    ASSERT_TRUE(waitForWindow("Options"));
    EXPECT_EQ(x->shownWindow("Options")->size(), QSize(177, 458) * kScale);
    // The rim of a circle drawn at the screen's pixels has a sharp edge; scaled up, its edge is
    // blurred over as many pixels again.
    const int lit = PixelProbe::count(screen, at(kHoursRim), kHours, kAnyCoverage);
    const int whole = PixelProbe::count(screen, at(kHoursRim), kHours, kWholeCoverage);
    EXPECT_LT(lit - whole, lit * kMostBlended) << "the hours circle is blurred";
}

using RepaintX = XTest;

// After seconds of repainting only the places the groups left and took, the screen shows what a
// paint of the whole face at the same time of day shows: the repaints leave nothing behind, and
// nothing they draw beyond their areas reaches the screen. The time of day runs from 10:20:30,
// then stands still; xrefresh then lays a red window over the screen and takes it away.
TEST_F(RepaintX, RepaintsShowWhatAWholePaintShows)
{
    clock->setEnvironment("LD_PRELOAD", "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1");
    clock->setEnvironment("FAKETIME_TIMESTAMP_FILE", clock->path("faketime"));
    clock->setEnvironment("FAKETIME_NO_CACHE", "1");
    clock->setEnvironment("FAKETIME_DONT_FAKE_MONOTONIC", "1");
    ASSERT_TRUE(clock->writeFile("faketime", "@2026-12-06 10:20:30"));
    ASSERT_NO_FATAL_FAILURE(startClock());
    QImage last = x->screenshot();
    int changes = 0;
    ASSERT_TRUE(waitFor(
        [&] {
            const QImage now = x->screenshot();
            changes += now != last;
            last = now;
            return changes >= 3;
        },
        4 * kWaitMs))
        << "the face did not move";
    ASSERT_TRUE(clock->writeFile("faketime", "2026-12-06 10:21:00"));
    QElapsedTimer still;
    still.start();
    ASSERT_TRUE(waitFor(
        [&] {
            const QImage now = x->screenshot();
            if (now != last)
                still.restart();
            last = now;
            return still.elapsed() > kStillMs;
        },
        4 * kWaitMs))
        << "the face did not stand still";
    x->run("xrefresh", {"-solid", "red"});
    EXPECT_TRUE(waitFor([&] { return x->screenshot() == last; }))
        << "the face painted whole differs from the repainted one";
}

} // namespace
