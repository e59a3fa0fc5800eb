#pragma once

#include "CommandLine.h"
#include "DisplayCheck.h"

#include <memory>

class Presentation;
struct RunPolicy;

// One run of the program on the desktop: checks that there is a display to run on, makes the
// Qt application without any of Qt's own command-line options, and runs the clock, full screen
// or embedded in another window, as the command line chose.
class DesktopRun {
public:
    explicit DesktopRun(CommandLine options);

    // The process's exit status.
    int exec();

private:
    // Says a line on the standard error, after the program's name.
    void say(const std::string& line) const;
    // Says in one line on the standard error what stops the run; the status to end with.
    int refuse(const std::string& reason) const;
    // Keeps Qt from speaking to a session bus or warning of a missing runtime folder.
    void quietenSession() const;
    // Runs the clock on the windowing system that the display check chose.
    int run(DisplayCheck::Kind kind) const;
    // The way of presenting the clock that the command line chose, or null with the reason
    // when there is nothing to present it in.
    std::unique_ptr<Presentation> makePresentation(const RunPolicy& policy,
                                                   std::string& reason) const;

    CommandLine m_options;
};
