#pragma once

#include "SessionTest.h"
#include "SwayDriver.h"

// Each test gets a headless sway of its own, with one output of 1024 x 768, and a fresh copy of
// the program in it, run as the ordinary user, as sway is.
class SwayTest : public SessionTest {
protected:
    void SetUp() override
    {
        needOrdinaryUser("sway runs as an ordinary user");
        if (IsSkipped())
            return;
        sway = std::make_unique<SwayDriver>(*user);
        ASSERT_TRUE(sway->ready()) << "sway could not be started; is it installed?";
        clock = sway->newRun();
    }
    const SessionDriver& session() const override { return *sway; }

    std::unique_ptr<SwayDriver> sway;
};
