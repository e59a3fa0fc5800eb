#include "DesktopTest.h"

#include <vector>

// The clock window of the real program: its face, "/p", and what input does to the run.

namespace {

// A circle's left rim from its left, top and width in twips; the 2-pixel border lies inside.
QPoint leftRim(double left, double top, double width)
{
    return DesktopTest::pixel(left + 15, top + width / 2);
}

// The middle of a line from the clock's centre (7680, 5760) to (x2, y2) in twips.
QPoint halfway(double x2, double y2)
{
    return DesktopTest::pixel((7680 + x2) / 2, (5760 + y2) / 2);
}

using ClockFaceX = DesktopTest;

TEST_F(ClockFaceX, FaceAtTenTwentyThirtyStandsWhereTheLayoutPutsIt)
{
    ASSERT_TRUE(clock->start({}, kFrozenTime)) << clock->output();
    // "Different size" after the first tick, which turns the groups away from 3 o'clock: each
    // group's circle rim and the middle of its line in the group's colour, and the centre
    // circle's rim.
    const QColor colours[] = {kSeconds, kMinutes, kHours};
    const QPoint rims[] = {leftRim(7330.0, 8770.0, 700), leftRim(9510.1, 6637.0, 850),
                           leftRim(5859.2, 4145.2, 1080)};
    const QPoint lines[] = {halfway(7680.0, 8800.0), halfway(9862.4, 7020.0),
                            halfway(6393.1, 4680.1)};
    std::vector<std::pair<QPoint, QColor>> marks = {{leftRim(7140, 5220, 1080), kSeconds}};
    for (int k = 0; k < 3; ++k)
        marks.insert(marks.end(), {{rims[k], colours[k]}, {lines[k], colours[k]}});
    const QImage screen = waitForScreen([&](const QImage& image) {
        return std::all_of(marks.begin(), marks.end(), [&](const auto& mark) {
            return PixelProbe::near(image, mark.first, mark.second);
        });
    });
    for (const auto& [point, colour] : marks)
        EXPECT_TRUE(PixelProbe::near(screen, point, colour)) << point.x() << ", " << point.y();
    // Inside each circle, right of its rim and left of its figure, lies its black fill.
    for (const QPoint rim : rims)
        EXPECT_TRUE(PixelProbe::matches(screen.pixel(rim + QPoint(7, 0)), Qt::black)) << rim.x();
    EXPECT_EQ(clock->readFile(kSettingsName), kDefaultSettings);
}

TEST_F(ClockFaceX, PreviewEndsAtOnceWithTheDefaultFileWritten)
{
    ASSERT_TRUE(clock->start({"/p"}));
    EXPECT_TRUE(clock->endsWithin(kPromptEndMs)) << clock->output();
    EXPECT_EQ(clock->readFile(kSettingsName), kDefaultSettings);
}

// Movements that the program ignores before the next one ends the run.
constexpr int kIgnoredMoves = 5;

class InputX : public DesktopTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(DesktopTest::SetUp());
        ASSERT_TRUE(clock->start({"/s"}));
        // The clock has painted its face when the centre circle's rim shows.
        ASSERT_TRUE(waitForColour({476, 384}, kSeconds)) << clock->output();
    }
};

TEST_F(InputX, LetterKeyEndsTheRun)
{
    x->key("a");
    EXPECT_TRUE(clock->endsWithin(kPromptEndMs));
}

TEST_F(InputX, DeleteTypesNothingAndKeepsTheRunWhileEscapeEndsIt)
{
    x->key("Delete");
    EXPECT_TRUE(clock->runsAfter(kStillRunningMs));
    x->key("Escape");
    EXPECT_TRUE(clock->endsWithin(kPromptEndMs));
}

TEST_F(InputX, KeyOneOpensTheDialogAfterWhichMovesNoLongerEnd)
{
    x->key("1");
    ASSERT_TRUE(waitForWindow("Options"));
    moveOverClock(kIgnoredMoves + 3);
    EXPECT_TRUE(clock->runsAfter(kStillRunningMs));
}

TEST_F(InputX, FiveMovesKeepTheRunAndTheSixthEndsIt)
{
    moveOverClock(kIgnoredMoves);
    ASSERT_TRUE(clock->runsAfter(kStillRunningMs));
    moveOverClock(1);
    EXPECT_TRUE(clock->endsWithin(kPromptEndMs));
}

TEST_F(InputX, ASecondCopyEndsAtOnceAndAKilledOneBlocksNoLaterStart)
{
    const QString sharedTemp = clock->path("tmp");
    ClockProcess second(x->display());
    ASSERT_TRUE(second.start({"/s"}, {}, sharedTemp));
    EXPECT_TRUE(second.endsWithin(kPromptEndMs));
    EXPECT_TRUE(clock->runsAfter(0));

    clock->kill();
    ClockProcess third(x->display());
    ASSERT_TRUE(third.start({"/s"}, {}, sharedTemp));
    EXPECT_TRUE(third.runsAfter(kStillRunningMs));
}

} // namespace
