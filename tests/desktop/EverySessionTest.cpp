#include "SwayTest.h"
#include "XTest.h"

// What the program does alike in an X11 session and in a Wayland one.

namespace {

template <class Session> class EverySession : public Session {
};

using Sessions = ::testing::Types<XTest, SwayTest>;
TYPED_TEST_SUITE(EverySession, Sessions);

// Keys that type nothing keep the run, and a key ends it without a word. Key 1 shows "Options"
// over the clock, which then takes the keys: "a" keeps the run, Escape, its Cancel, ends it.
TYPED_TEST(EverySession, KeysThatTypeNothingKeepTheRunAndOptionsTakesTheKeys)
{
    using T = TestFixture;
    const SessionDriver& session = this->session();
    for (const bool options : {false, true}) {
        SCOPED_TRACE(options ? "with Options" : "on the clock");
        ASSERT_NO_FATAL_FAILURE(this->startClock());
        session.key("Shift_L");
        session.key("Delete");
        if (options) {
            session.key("1");
            ASSERT_TRUE(T::waitFor([&] { return this->dialogPixels() > T::kDialogPixels; }));
            session.key("a");
        }
        EXPECT_TRUE(this->clock->runsAfter(T::kStillRunningMs));
        session.key(options ? "Escape" : "a");
        EXPECT_TRUE(this->clock->endsWithin(T::kPromptEndMs));
        EXPECT_EQ(this->clock->output(), "");
    }
}

} // namespace
