#pragma once

#include "SessionTest.h"
#include "SwayDriver.h"

// Each test gets a headless sway of its own, with one output of 1024 x 768 unless it asks for
// another, and a fresh copy of the program in it, run as the ordinary user, as sway is.
class SwayTest : public SessionTest {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(useOutput("1024x768")); }
    // A sway with its first output at `resolution` and `scale`, for a fresh copy of the program.
    void useOutput(const QString& resolution, int scale = 1)
    {
        needOrdinaryUser("sway runs as an ordinary user");
        if (IsSkipped())
            return;
        clock.reset();
        sway = std::make_unique<SwayDriver>(*user, resolution, scale);
        ASSERT_TRUE(sway->ready()) << "sway could not be started; is it installed?";
        clock = sway->newRun();
    }
    const SessionDriver& session() const override { return *sway; }

    std::unique_ptr<SwayDriver> sway;
};
