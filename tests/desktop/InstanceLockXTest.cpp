#include "XTest.h"

// The single-instance lock of the real program: one copy at a time. Where the lock is kept, and
// that nothing another user could put in its place is used, is tested on the lock itself.

namespace {

using InstanceLockX = XTest;

// A second copy ends at once: silently when a screen-saver host starts it, without a terminal,
// and saying why when a user starts it at one.
TEST_F(InstanceLockX, ASecondCopyEndsAtOnceAndAKilledOneBlocksNoLaterStart)
{
    ClockProcess second(x->display());
    ClockProcess atTerminal(x->display());
    ClockProcess third(x->display());
    ASSERT_NO_FATAL_FAILURE(startClock());
    ASSERT_TRUE(second.start({"/s"}, {}, clock->path("tmp")));
    EXPECT_TRUE(second.endsWithin(kPromptEndMs));
    EXPECT_EQ(second.output(), "");
    // script(1) gives the copy a terminal of its own and writes what it shows.
    atTerminal.setProgram("script");
    ASSERT_TRUE(atTerminal.start({"-qec", clock->path("tikora-clock") + " /s", "/dev/null"}, {},
                                 clock->path("tmp")));
    EXPECT_TRUE(atTerminal.endsWithin(kPromptEndMs));
    EXPECT_NE(atTerminal.output().find("tikora-clock: the clock runs already; this copy ends"),
              std::string::npos)
        << atTerminal.output();
    EXPECT_TRUE(clock->runsAfter(0));
    clock->kill();
    ASSERT_TRUE(third.start({"/s"}, {}, clock->path("tmp")));
    EXPECT_TRUE(third.runsAfter(kStillRunningMs));
}

} // namespace
