#include "FakePlatform.h"

#include "FakePicture.h"
#include "ProcessEnded.h"
#include "Window.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

namespace fake {

namespace {

constexpr int kEmblemPixels = 49;
constexpr std::string_view kNoPicture = "not a picture";

std::string lowered(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool matchFrom(const std::string& pattern, std::size_t p, const std::string& name, std::size_t n)
{
    if (p == pattern.size())
        return n == name.size();
    if (pattern[p] == '*') {
        for (std::size_t k = n; k <= name.size(); ++k) {
            if (matchFrom(pattern, p + 1, name, k))
                return true;
        }
        return false;
    }
    if (n == name.size())
        return false;
    return (pattern[p] == '?' || pattern[p] == name[n]) && matchFrom(pattern, p + 1, name, n + 1);
}

fs::path makeUniqueFolder()
{
    std::random_device seed;
    std::mt19937 random(seed());
    const fs::path base = fs::temp_directory_path();
    for (;;) {
        const fs::path candidate = base / ("tikora-test-" + std::to_string(random()));
        if (fs::create_directory(candidate))
            return candidate;
    }
}

// A picture's size may be given in its file as "picture WxH"; anything else is 49 x 49.
std::pair<int, int> pictureSize(const std::string& contents)
{
    int width = kEmblemPixels;
    int height = kEmblemPixels;
    std::sscanf(contents.c_str(), "picture %dx%d", &width, &height);
    return {width, height};
}

} // namespace

bool wildcardMatch(const std::string& pattern, const std::string& name)
{
    return matchFrom(lowered(pattern), 0, lowered(name), 0);
}

FakePlatform::FakePlatform()
    : m_folder(makeUniqueFolder())
{
}

FakePlatform::~FakePlatform()
{
    std::error_code error;
    // A test may have taken the write permission away; give it back so that removal works.
    fs::permissions(m_folder, fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(m_folder, error);
}

void FakePlatform::setTime(int hours, int minutes, int seconds)
{
    time = hours * 3600 + minutes * 60 + seconds;
}

void FakePlatform::setScreenPixels(int width, int height)
{
    screen = {width * tk::kTwipsPerPixel, height * tk::kTwipsPerPixel};
}

std::string FakePlatform::pathOf(const std::string& name) const
{
    return m_folder.string() + tk::kPathSeparator + name;
}

void FakePlatform::putFile(const std::string& name, const std::string& contents)
{
    std::ofstream out(pathOf(name), std::ios::binary | std::ios::trunc);
    out << contents;
}

std::optional<std::string> FakePlatform::fileText(const std::string& name) const
{
    std::ifstream in(pathOf(name), std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool FakePlatform::fileExists(const std::string& name) const
{
    return fs::exists(pathOf(name));
}

tk::PictureRef FakePlatform::builtIn(tk::BuiltInPicture which)
{
    return builtInPicture(which);
}

bool FakePlatform::anotherInstanceRunning()
{
    return anotherInstance;
}

std::string FakePlatform::commandLine()
{
    return commandLineText;
}

std::string FakePlatform::programFolder()
{
    return m_folder.string();
}

int FakePlatform::timeOfDay()
{
    return time;
}

tk::ScreenSize FakePlatform::screenSize()
{
    return screen;
}

void FakePlatform::endProcess()
{
    ++endCount;
    throw ProcessEnded();
}

void FakePlatform::setCursorPos(int x, int y)
{
    cursorMoves.emplace_back(x, y);
}

void FakePlatform::windowCreated(tk::Window& window)
{
    createdWindows.push_back(window.name());
}

void FakePlatform::showModal(tk::Window& window)
{
    modalWindows.push_back(window.name());
}

tk::MessageAnswer FakePlatform::messageBox(const std::string& text, const std::string& title,
                                           tk::MessageIcon icon, tk::MessageButtons buttons)
{
    messages.push_back({text, title, icon, buttons});
    if (messageAnswers.empty())
        return tk::MessageAnswer::Ok;
    const tk::MessageAnswer answer = messageAnswers.front();
    messageAnswers.pop_front();
    return answer;
}

std::optional<tk::Colour> FakePlatform::pickColour(tk::Colour preset)
{
    colourPresets.push_back(preset);
    if (colourAnswers.empty())
        return std::nullopt;
    const auto answer = colourAnswers.front();
    colourAnswers.pop_front();
    return answer;
}

std::optional<tk::FontChoice> FakePlatform::pickFont(const tk::FontChoice& preset)
{
    fontPresets.push_back(preset);
    if (fontAnswers.empty())
        return std::nullopt;
    const auto answer = fontAnswers.front();
    fontAnswers.pop_front();
    return answer;
}

std::vector<std::string> FakePlatform::listDirectory(const std::string& pattern)
{
    if (pattern.empty())
        return {};
    const auto separator = pattern.find_last_of(tk::kPathSeparator);
    const fs::path folder = separator == std::string::npos
                                ? fs::current_path()
                                : fs::path(pattern.substr(0, separator + 1));
    const std::string filePart =
        separator == std::string::npos ? pattern : pattern.substr(separator + 1);
    std::vector<std::string> names;
    std::error_code error;
    if (!filePart.empty() && filePart.find_first_of("*?") == std::string::npos) {
        if (fs::is_regular_file(folder / filePart, error))
            names.push_back(filePart);
        return names;
    }
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.front() == '.' || !it->is_regular_file(error))
            continue;
        if (filePart.empty() || wildcardMatch(filePart, name))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return lowered(a) < lowered(b); });
    return names;
}

std::optional<std::string> FakePlatform::readFile(const std::string& path)
{
    std::error_code error;
    if (failReads || !fs::is_regular_file(path, error))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool FakePlatform::writeFile(const std::string& path, const std::string& contents)
{
    ++writeCount;
    if (failWrites)
        return false;
    const fs::path target(path);
    const fs::path temporary = target.parent_path() / ("." + target.filename().string() + ".tmp");
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out << contents;
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    fs::rename(temporary, target, error);
    if (error) {
        fs::remove(temporary, error);
        return false;
    }
    return true;
}

tk::PictureRef FakePlatform::loadPicture(const std::string& path)
{
    const auto contents = readFile(path);
    if (!contents || *contents == kNoPicture)
        return nullptr;
    const auto [width, height] = pictureSize(*contents);
    return std::make_shared<FakePicture>(path, width, height);
}

tk::PictureRef FakePlatform::builtInPicture(tk::BuiltInPicture which)
{
    tk::PictureRef& slot = m_builtIn[which];
    if (!slot) {
        const std::pair<int, int> sizes[] = {
            {kEmblemPixels, kEmblemPixels}, {800, 600}, {1024, 768}, {1280, 1024}};
        const auto [width, height] = sizes[static_cast<int>(which)];
        slot = std::make_shared<FakePicture>("built-in", width, height);
    }
    return slot;
}

} // namespace fake
