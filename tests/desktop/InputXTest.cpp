#include "DesktopTest.h"

namespace {

// Movements that the program ignores before the next one ends the run.
constexpr int kIgnoredMoves = 5;

class InputX : public DesktopTest {
protected:
    void SetUp() override
    {
        DesktopTest::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(clock->start({"/s"}));
        ASSERT_TRUE(waitForClock()) << clock->output();
    }
};

TEST_F(InputX, LetterKeyEndsTheRun)
{
    x->key("a");
    EXPECT_TRUE(clock->endsWithin(kPromptEndMs));
}

TEST_F(InputX, KeyOneOpensTheDialogAfterWhichMovesNoLongerEnd)
{
    x->key("1");
    ASSERT_TRUE(waitForWindow(kOptions));
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
