#include "RunOptions.h"

#include <cctype>
#include <cstdlib>
#include <limits>
#include <optional>

namespace {

constexpr int kHexBase = 16;
constexpr int kDecimalBase = 10;

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
std::optional<RunOptions::Mode> answerAsked(const std::string& argument)
{
    const std::string name = lowerCase(switchName(argument));
    const std::string word = name.substr(0, name.find('='));
    if (word == "h" || word == "help")
        return RunOptions::Mode::Help;
    if (word == "version")
        return RunOptions::Mode::Version;
    return std::nullopt;
}

std::string baseName(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

RunOptions::RunOptions(int argc, const char* const* argv)
{
    if (argc > 0 && argv[0] && *argv[0])
        m_programName = baseName(argv[0]);
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    // A question about the program is answered wherever it stands on the line, whatever else
    // the line asks for.
    for (const std::string& argument : arguments) {
        if (const std::optional<Mode> answer = answerAsked(argument)) {
            m_mode = *answer;
            return;
        }
    }
    std::vector<std::string> clockArguments;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string name = switchName(arguments[i]);
        if (name == "display") {
            if (i + 1 == arguments.size())
                m_error = "-display needs the name of a display";
            else
                m_display = arguments[++i];
        } else if (name.rfind("display=", 0) == 0) {
            m_display = name.substr(8);
        } else if (!takeEmbeddingSwitch(arguments, i)) {
            clockArguments.push_back(arguments[i]);
        }
    }
    if (embedded())
        return;
    for (const std::string& argument : clockArguments)
        m_clockCommandLine += (m_clockCommandLine.empty() ? "" : " ") + argument;
}

bool RunOptions::takeEmbeddingSwitch(const std::vector<std::string>& arguments, std::size_t& i)
{
    const std::string name = switchName(arguments[i]);
    if (name == "root") {
        m_mode = Mode::Root;
        useEnvironmentWindow();
    } else if (name == "window") {
        m_mode = Mode::Window;
    } else if (name == "window-id") {
        m_mode = Mode::WindowId;
        m_windowIdText = i + 1 < arguments.size() ? arguments[++i] : std::string();
        m_windowId = parseWindowId(m_windowIdText);
        if (m_windowId == 0)
            m_error = "--window-id needs the id of a window, in decimal or as 0x followed by hex";
    } else {
        return false;
    }
    return true;
}

std::string RunOptions::usage() const
{
    return "Usage: " + m_programName +
           " [SWITCH]\n"
           "A clock screen saver made of circles.\n\n"
           "  /s, or none      the clock, full screen, until a key is typed or the mouse moves\n"
           "  /c               the clock with the settings dialog \"Options\" over it\n"
           "  /p               ends at once (there is no preview)\n"
           "  --root           draws in the window that XSCREENSAVER_WINDOW names, else in the\n"
           "                   root window\n"
           "  --window-id ID   draws in the window with that id (decimal, or hexadecimal after\n"
           "                   0x)\n"
           "  --window         draws in a new window of its own\n"
           "  -display NAME    runs on that X display\n"
           "  -h, --help       shows this text\n"
           "  --version        shows the program's version\n";
}

// XScreenSaver names the window it wants drawn in; without it --root means the root window.
void RunOptions::useEnvironmentWindow()
{
    const char* named = std::getenv("XSCREENSAVER_WINDOW");
    m_windowIdText = named ? named : "";
    m_windowId = parseWindowId(m_windowIdText);
}

std::uint32_t RunOptions::parseWindowId(const std::string& text)
{
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::string digits = hex ? text.substr(2) : text;
    if (digits.empty() || digits.size() > std::numeric_limits<std::uint32_t>::digits10 + 1)
        return 0;
    std::uint64_t value = 0;
    for (const char c : digits) {
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (hex && c >= 'a' && c <= 'f')
            digit = c - 'a' + kDecimalBase;
        else if (hex && c >= 'A' && c <= 'F')
            digit = c - 'A' + kDecimalBase;
        if (digit < 0)
            return 0;
        value = value * (hex ? kHexBase : kDecimalBase) + static_cast<std::uint64_t>(digit);
    }
    return value <= std::numeric_limits<std::uint32_t>::max() ? static_cast<std::uint32_t>(value)
                                                              : 0;
}
