#include "CommandLine.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace {

constexpr std::uint64_t kHexBase = 16;
constexpr std::uint64_t kDecimalBase = 10;
// X windows are named by 32-bit numbers.
constexpr std::uint64_t kLargestXWindow = std::numeric_limits<std::uint32_t>::max();

// "--root" and "-root" alike: the name without its dashes, or an empty text for no switch.
std::string switchName(const std::string& argument)
{
    if (argument.rfind("--", 0) == 0)
        return argument.substr(2);
    if (argument.rfind('-', 0) == 0)
        return argument.substr(1);
    return {};
}

std::string lowerCase(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// "-h", "--help", "--HELP" and "--help=1" alike ask for the usage, and "--version" in any case
// for the version; a value after "=" changes nothing.
std::optional<LaunchMode> answerAsked(const std::string& argument)
{
    const std::string name = lowerCase(switchName(argument));
    const std::string word = name.substr(0, name.find('='));
    if (word == "h" || word == "help")
        return LaunchMode::Help;
    if (word == "version")
        return LaunchMode::Version;
    return std::nullopt;
}

// The name a program was called by: its path without the folder, on either system.
std::string baseName(const std::string& path)
{
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

// An X window's id, or 0 when the text is none.
std::uint64_t xWindow(std::string_view text)
{
    const std::optional<std::uint64_t> id = CommandLine::parseHandle(text);
    return id && *id <= kLargestXWindow ? *id : 0;
}

// The word of `line` that starts at or after `from`, and where it ends.
std::string_view wordAt(std::string_view line, std::size_t from)
{
    const std::size_t start = std::min(line.find_first_not_of(' ', from), line.size());
    return line.substr(start, line.find(' ', start) - start);
}

} // namespace

CommandLine::CommandLine(const std::vector<std::string>& arguments,
                         std::string_view screenSaverWindow)
{
    if (!arguments.empty() && !arguments.front().empty())
        m_programName = baseName(arguments.front());
    const std::vector<std::string> rest(
        arguments.begin() + std::min<std::size_t>(arguments.size(), 1), arguments.end());
    // A question about the program is answered wherever it stands on the line, whatever else
    // the line asks for.
    for (const std::string& argument : rest) {
        if (const std::optional<LaunchMode> answer = answerAsked(argument)) {
            m_mode = *answer;
            return;
        }
    }
    std::vector<std::string> clockWords;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const std::string name = switchName(rest[i]);
        if (name == "display") {
            if (i + 1 == rest.size())
                m_error = "-display needs the name of a display";
            else
                m_display = rest[++i];
        } else if (name.rfind("display=", 0) == 0) {
            m_display = name.substr(8);
        } else if (rest[i].starts_with('-') && lowerCase(name) != "s") {
            if (!takeEmbeddingSwitch(rest, i, screenSaverWindow))
                refuseUnknown(rest[i]);
        } else {
            clockWords.push_back(rest[i]);
        }
    }
    if (!embedded())
        readScreenSaverSwitch(clockWords);
}

bool CommandLine::takeEmbeddingSwitch(const std::vector<std::string>& arguments, std::size_t& i,
                                      std::string_view screenSaverWindow)
{
    const std::string name = switchName(arguments[i]);
    if (name == "root") {
        m_mode = LaunchMode::Root;
        m_windowText = screenSaverWindow;
        m_windowHandle = xWindow(m_windowText);
        // A variable that is set names the window to draw in; one that names none is refused
        // as a window that is not there is, rather than drawing over the whole screen.
        if (!m_windowText.empty() && m_windowHandle == 0)
            m_error = noWindow(m_windowText);
    } else if (name == "window") {
        m_mode = LaunchMode::Window;
    } else if (name == "window-id") {
        m_mode = LaunchMode::WindowId;
        m_windowText = i + 1 < arguments.size() ? arguments[++i] : std::string();
        m_windowHandle = xWindow(m_windowText);
        if (m_windowHandle == 0)
            m_error = "--window-id needs the id of a window, in decimal or as 0x followed by hex";
    } else {
        return false;
    }
    return true;
}

// The words that are no switch of the program's own make the screen-saver switch, joined by
// blanks and trimmed of them.
void CommandLine::readScreenSaverSwitch(const std::vector<std::string>& words)
{
    std::string joined;
    for (const std::string& word : words)
        joined += (joined.empty() ? "" : " ") + word;
    const std::size_t start = std::min(joined.find_first_not_of(' '), joined.size());
    const std::string line = joined.substr(start);
    const std::string_view written = wordAt(line, 0);
    const std::string first = lowerCase(std::string(written));
    // The switch is the line's first two characters, so "/cx" configures too; any other
    // switch, "-c" and "-p" among them, runs the clock.
    const std::string slash = lowerCase(line.substr(0, 2));
    if (slash == "/c")
        m_mode = LaunchMode::Configure;
    else if (slash == "/p")
        m_mode = LaunchMode::Preview;
    else
        return;
    // The window follows a colon ("/c:1234") or stands in the next word ("/p 1234").
    if (first.size() > 2 && first[2] == ':')
        m_windowText = written.substr(3);
    else if (first.size() == 2)
        m_windowText = wordAt(line, first.size());
    m_windowHandle = parseHandle(m_windowText).value_or(0);
}

// A mistyped option would otherwise run the full-screen clock without a word; the first one is
// said, with where to find the right ones.
void CommandLine::refuseUnknown(const std::string& option)
{
    if (m_unknownOption)
        return;
    m_unknownOption = true;
    m_error =
        "unknown option \"" + option + "\"; \"" + m_programName + " --help\" lists the options";
}

tk::RunRequest CommandLine::clockRequest() const
{
    switch (m_mode) {
    case LaunchMode::Configure:
        return {tk::RunMode::Configure, m_windowHandle};
    case LaunchMode::Preview:
        return {tk::RunMode::Preview, m_windowHandle};
    default:
        return {};
    }
}

std::string CommandLine::usage() const
{
    return "Usage: " + m_programName +
           " [SWITCH]\n"
           "A clock screen saver made of circles.\n\n"
           "  /s, or none      the clock, full screen, until a key is typed or the mouse moves\n"
           "  /c, /c:HWND      the clock with the settings dialog \"Options\" over it\n"
           "  /p, /p HWND      ends at once (there is no preview)\n"
           "  --root           draws in the window that XSCREENSAVER_WINDOW names, else in the\n"
           "                   root window\n"
           "  --window-id ID   draws in the window with that id (decimal, or hexadecimal after\n"
           "                   0x)\n"
           "  --window         draws in a new window of its own\n"
           "  -display NAME    runs on that X display\n"
           "  -h, --help       shows this text\n"
           "  --version        shows the program's version\n";
}

std::string CommandLine::noWindow(std::string_view written)
{
    return "no window " + std::string(written) + " to draw in";
}

std::optional<std::uint64_t> CommandLine::parseHandle(std::string_view text)
{
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::string_view digits = hex ? text.substr(2) : text;
    const std::uint64_t base = hex ? kHexBase : kDecimalBase;
    if (digits.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : digits) {
        std::uint64_t digit = base;
        if (c >= '0' && c <= '9')
            digit = static_cast<std::uint64_t>(c - '0');
        else if (hex && c >= 'a' && c <= 'f')
            digit = static_cast<std::uint64_t>(c - 'a') + kDecimalBase;
        else if (hex && c >= 'A' && c <= 'F')
            digit = static_cast<std::uint64_t>(c - 'A') + kDecimalBase;
        if (digit >= base || value > (std::numeric_limits<std::uint64_t>::max() - digit) / base)
            return std::nullopt;
        value = value * base + digit;
    }
    return value;
}
