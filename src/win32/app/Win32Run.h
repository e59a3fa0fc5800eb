#pragma once

#include "CommandLine.h"

#include <windows.h>

#include <string>
#include <vector>

// One run of the screen saver as Windows starts it: the command line read by the shared rules,
// the look-up helper's own start, and the clock in the way that the command line chose.
class Win32Run {
public:
    explicit Win32Run(HINSTANCE instance);

    // The process's exit status; a run of the clock ends the process from inside instead.
    int exec();

private:
    // The arguments as UTF-8, the program's path first, split by Windows' own rules.
    static std::vector<std::string> arguments();
    // Tells the user of a command line that cannot run, in a message box: the program has no
    // console to say it on.
    void refuse(const std::string& reason) const;
    int runClock(const CommandLine& options) const;

    HINSTANCE m_instance;
};
