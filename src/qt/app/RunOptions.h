#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The program's own reading of its command line. Nothing of it is handed to Qt: Qt's options
// would let a command line start an invisible or partial copy, so only the X convention
// -display NAME is taken, and applied by the program itself.
//
// Besides the screen-saver switches ("/s", "/c", "/p"), which go to the clock unchanged, the
// switches of X11 display programs choose an embedded run: --root draws in the window that
// XSCREENSAVER_WINDOW names (else in the root window), --window-id ID in that window and
// --window in a new ordinary window. Each may be written with one dash or two. "-h" or
// "--help" and "--version", in any case and anywhere on the line, answer instead of running.
class RunOptions {
public:
    enum class Mode { ScreenSaver, Root, WindowId, Window, Help, Version };

    // A run with no arguments: the clock, full screen.
    RunOptions() = default;
    RunOptions(int argc, const char* const* argv);

    Mode mode() const { return m_mode; }
    bool embedded() const
    {
        return m_mode == Mode::Root || m_mode == Mode::WindowId || m_mode == Mode::Window;
    }
    // Drawn in another program's window, which is an X window.
    bool inForeignWindow() const { return m_mode == Mode::Root || m_mode == Mode::WindowId; }
    // The window to draw in for --window-id, and for --root when XSCREENSAVER_WINDOW names one;
    // 0 for the root window.
    std::uint32_t windowId() const { return m_windowId; }
    // That window's id as it was written, so that messages name it as the user knows it.
    const std::string& windowIdText() const { return m_windowIdText; }
    // The display that -display named, or an empty text for the DISPLAY variable's.
    const std::string& display() const { return m_display; }
    // The command line as the clock reads it: the screen-saver switches, joined by blanks.
    // Empty in an embedded run, whose parent program alone decides how it runs and ends.
    const std::string& clockCommandLine() const { return m_clockCommandLine; }
    // What is wrong with the command line, or an empty text.
    const std::string& error() const { return m_error; }
    const std::string& programName() const { return m_programName; }
    // What --help prints: how to use the program.
    std::string usage() const;

    // A window id written in decimal or in hexadecimal after "0x"; 0 when it is none.
    static std::uint32_t parseWindowId(const std::string& text);

private:
    bool takeEmbeddingSwitch(const std::vector<std::string>& arguments, std::size_t& i);
    void useEnvironmentWindow();

    Mode m_mode = Mode::ScreenSaver;
    std::uint32_t m_windowId = 0;
    std::string m_windowIdText;
    std::string m_display;
    std::string m_clockCommandLine;
    std::string m_error;
    std::string m_programName = "tikora-clock";
};
