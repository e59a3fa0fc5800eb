#pragma once

#include "RunRequest.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The ways the program can be asked to run: the screen-saver switches ("/s", "/c", "/p"), the
// switches of X11 display programs that draw in a window they are given, and the questions
// about the program itself.
enum class LaunchMode { ScreenSaver, Configure, Preview, Root, WindowId, Window, Help, Version };

// The program's own reading of its command line, in both conventions. Nothing of it is handed
// to a toolkit: a toolkit's options would let a command line start an invisible or partial
// copy, so only the X convention -display NAME is taken, and applied by the program itself.
//
// Windows starts a screen saver with "/s", "/c", "/c:HWND" and "/p HWND", in any case; the
// slash forms are told by their first two characters, as the system has always read them, so
// "/a" runs the clock. Of the forms with a dash only "-s" runs it: any other option written
// with a dash or two, such as "-c", "-platform" or a mistyped "--windwo", is refused as
// unknown. The X11 switches choose an embedded run: --root draws in the window that
// XSCREENSAVER_WINDOW names (else in the root window; a variable that is set but names no
// window is refused), --window-id ID in that window and
// --window in a new ordinary window. Each may be written with one dash or two. "-h" or
// "--help" and "--version", in any case and anywhere on the line, answer instead of running.
class CommandLine {
public:
    // A run with no arguments: the clock, full screen.
    CommandLine() = default;
    // `arguments` begins with the program's path; `screenSaverWindow` is what the variable
    // XSCREENSAVER_WINDOW holds, if anything.
    explicit CommandLine(const std::vector<std::string>& arguments,
                         std::string_view screenSaverWindow = {});

    LaunchMode mode() const { return m_mode; }
    bool embedded() const
    {
        return m_mode == LaunchMode::Root || m_mode == LaunchMode::WindowId ||
               m_mode == LaunchMode::Window;
    }
    // Drawn in another program's window, which is an X window.
    bool inForeignWindow() const
    {
        return m_mode == LaunchMode::Root || m_mode == LaunchMode::WindowId;
    }
    // The window the command line names: the one to draw in for --window-id, and for --root
    // when XSCREENSAVER_WINDOW names one (0 for the root window); the owner of "/c:HWND" or the
    // preview's window of "/p HWND" (0 when none is named).
    std::uint64_t windowHandle() const { return m_windowHandle; }
    // That window as it was written, so that messages name it as the user knows it.
    const std::string& windowText() const { return m_windowText; }
    // The display that -display named, or an empty text for the DISPLAY variable's.
    const std::string& display() const { return m_display; }
    // What the system is asked to do: the screen-saver mode and its window. An embedded run asks
    // for the plain clock, since its parent program alone decides how it runs and ends.
    tk::RunRequest clockRequest() const;
    // What is wrong with the command line, or an empty text.
    const std::string& error() const { return m_error; }
    // Whether what is wrong is an option the program does not know, which a command ends with
    // status 2, the usual status of a command line misused.
    bool unknownOption() const { return m_unknownOption; }
    // The name the program was called by, without its folder, on either system.
    const std::string& programName() const { return m_programName; }
    // What --help prints: how to use the program.
    std::string usage() const;

    // Why a run cannot be made in the window written as `written`: there is no such window.
    static std::string noWindow(std::string_view written);
    // A window handle written in decimal or in hexadecimal after "0x"; none when the text is no
    // such number or does not fit in 64 bits.
    static std::optional<std::uint64_t> parseHandle(std::string_view text);

private:
    bool takeEmbeddingSwitch(const std::vector<std::string>& arguments, std::size_t& i,
                             std::string_view screenSaverWindow);
    void readScreenSaverSwitch(const std::vector<std::string>& words);
    void refuseUnknown(const std::string& option);

    LaunchMode m_mode = LaunchMode::ScreenSaver;
    std::uint64_t m_windowHandle = 0;
    std::string m_windowText;
    std::string m_display;
    std::string m_error;
    bool m_unknownOption = false;
    std::string m_programName = "tikora-clock";
};
