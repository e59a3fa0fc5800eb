#pragma once

#include "FakePlatform.h"
#include "ProcessEnded.h"
#include "TikoraClock.h"

#include <string>

class Form1;
class Form2;
class frmFILE;

namespace fake {

// One run of the clock on a fake platform: set the script on `platform`, then start().
class ClockRun {
public:
    ClockRun();
    ClockRun(const ClockRun&) = delete;
    ClockRun& operator=(const ClockRun&) = delete;

    // Starts the run; false when the program ended during start-up.
    bool start();
    // Runs a handler; false when it ended the program.
    template <class F> bool runs(F&& handler)
    {
        try {
            handler();
            return true;
        } catch (const ProcessEnded&) {
            return false;
        }
    }
    // One tick of the clock timer at the platform's current time.
    void tick();
    // Shows the dialog as the key "1" does.
    void pressSetupKey();

    Form1& clock();
    Form2& dialog();
    frmFILE& chooser();
    Module1& module();
    std::string settingsText() const;

    FakePlatform platform;
    TikoraClock run{platform};
};

} // namespace fake
