#pragma once

#include "BoundedFile.h"
#include "FolderListing.h"
#include "PathText.h"
#include "Platform.h"
#include "TestFolder.h"
#include "Window.h"

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <utility>

namespace fake {

// A scripted platform for headless tests: a settable clock and screen, a real temporary
// program folder whose paths are UTF-8 texts as on every platform, pickers that answer from
// queues (an empty queue cancels) and message boxes that answer OK. Ending the process throws
// Ended, so that the handler stops there and the test can look at what it left.
class FakePlatform : public tk::Platform {
public:
    struct Ended {};
    // A picture that only knows where it came from; the system never asks its pixels.
    struct Picture : tk::Picture {
        explicit Picture(std::string source)
            : source(std::move(source))
        {
        }
        const std::string source;
    };

    // The script.
    int time = 0;
    std::optional<std::int64_t> steady;
    tk::RunRequest request;
    tk::ScreenSize screen{15360, 11520};
    bool anotherInstance = false;
    // Why every write fails, or None.
    tk::WriteFailure writeFailure = tk::WriteFailure::None;
    bool failReads = false;
    // The drives that cannot be opened, and why.
    std::map<std::string, tk::DriveFailure> driveFailures;
    // A folder of the program folder to keep the settings in, as an installed copy does, or
    // empty for the program folder itself.
    std::string settingsSubfolder;
    std::deque<std::optional<tk::Colour>> colourAnswers;
    std::deque<std::optional<tk::FontChoice>> fontAnswers;
    // What the user does in the next modal window.
    std::function<void()> whileModal;

    // What the program did.
    // The message boxes shown: the text of each, its title, then its icon and buttons by number.
    std::vector<std::string> messages;
    std::vector<tk::Colour> colourPresets;
    std::vector<tk::FontChoice> fontPresets;
    std::vector<int> fontFlags;
    int writeCount = 0;

    void setScreenPixels(int w, int h)
    {
        screen = {tk::Units().toWholeTwips(w), tk::Units().toWholeTwips(h)};
    }
    // A path in the program folder, joined as the program joins: `name` may go through
    // subfolders, written with '/' between them.
    std::string pathOf(const std::string& name) const
    {
        std::string path = utf8(m_folder.root());
        for (std::size_t start = 0, end = 0; end != std::string::npos; start = end + 1) {
            end = name.find('/', start);
            path = tk::path::join(path, name.substr(start, end - start));
        }
        return path;
    }
    void putFile(const std::string& name, const std::string& contents)
    {
        std::ofstream(native(pathOf(name)), std::ios::binary) << contents;
    }
    // Where a picture came from: its path, "built-in", or nothing for no picture.
    static std::string sourceOf(const tk::PictureRef& picture)
    {
        const auto* fake = dynamic_cast<const Picture*>(picture.get());
        return fake ? fake->source : "";
    }

    bool anotherInstanceRunning() override { return anotherInstance; }
    tk::RunRequest commandLine() override { return request; }
    std::string programFolder() override { return utf8(m_folder.root()); }
    std::string settingsFolder() override
    {
        const std::string folder = pathOf(settingsSubfolder);
        std::filesystem::create_directories(native(folder));
        return settingsSubfolder.empty() ? programFolder() : folder;
    }
    int timeOfDay() override { return time; }
    // The steady clock follows the time of day unless a test sets it apart.
    std::int64_t steadySeconds() override { return steady.value_or(time); }
    tk::ScreenSize screenSize() override { return screen; }
    [[noreturn]] void endProcess() override { throw Ended(); }
    void setCursorPos(int, int) override {}
    void windowCreated(tk::Window&) override {}
    // Shows the window and runs what the user does in it, if the script says; the window stays
    // shown when that does not hide it, as a modal window waits for its user.
    void showModal(tk::Window& window) override
    {
        window.show();
        if (const auto act = std::exchange(whileModal, nullptr))
            act();
    }
    tk::MessageAnswer messageBox(const std::string& text, const std::string& title,
                                 tk::MessageIcon icon, tk::MessageButtons buttons) override
    {
        messages.push_back(text + " " + title + std::to_string(int(icon)) +
                           std::to_string(int(buttons)));
        return tk::MessageAnswer::Ok;
    }
    std::optional<tk::Colour> pickColour(tk::Colour preset) override
    {
        colourPresets.push_back(preset);
        return nextAnswer(colourAnswers, {});
    }
    std::optional<tk::FontChoice> pickFont(const tk::FontChoice& preset, int flags) override
    {
        fontPresets.push_back(preset);
        fontFlags.push_back(flags);
        return nextAnswer(fontAnswers, {});
    }
    std::vector<std::string> drives() override { return {utf8(m_folder.root().root_path())}; }
    // Folders are listed as the real platforms list them.
    std::vector<std::string> listFolders(const std::string& folder) override
    {
        return FolderListing::folders(folder);
    }
    tk::DriveFolder openDrive(const std::string& drive) override
    {
        return driveFailures.contains(drive) ? tk::DriveFolder{{}, driveFailures.at(drive)}
                                             : tk::DriveFolder{drive, {}};
    }
    std::vector<std::string> listDirectory(const std::string& pattern) override
    {
        return FolderListing::files(pattern);
    }
    // Only regular files are read, and only their start, by the real platforms' bounded read.
    std::optional<std::string> readFile(const std::string& path) override
    {
        return failReads ? std::nullopt : os::boundedFile::readText(path);
    }
    tk::WriteFailure writeFile(const std::string& path, const std::string& contents) override
    {
        ++writeCount;
        if (writeFailure != tk::WriteFailure::None)
            return writeFailure;
        return std::ofstream(native(path), std::ios::binary) << contents ? tk::WriteFailure::None
                                                                         : tk::WriteFailure::Other;
    }
    // A file that begins with "picture" is a picture; any other file is none.
    tk::PictureRef loadPicture(const std::string& path) override
    {
        return readFile(path).value_or("").starts_with("picture") ? std::make_shared<Picture>(path)
                                                                  : nullptr;
    }
    // Each built-in picture is made once, so that a test can tell which one a box shows.
    tk::PictureRef builtInPicture(tk::BuiltInPicture which) override
    {
        tk::PictureRef& slot = m_builtIn[which];
        return slot ? slot : slot = std::make_shared<Picture>("built-in");
    }

private:
    // The file system's path for a UTF-8 path, and back: on Windows a path of narrow
    // characters would be read in the system's code page instead.
    static std::filesystem::path native(const std::string& path)
    {
        return std::filesystem::path(std::u8string(path.begin(), path.end()));
    }
    static std::string utf8(const std::filesystem::path& path)
    {
        const std::u8string text = path.u8string();
        return std::string(text.begin(), text.end());
    }
    // The next scripted answer, or the given one when the script has run out.
    template <class T> static T nextAnswer(std::deque<T>& answers, T otherwise)
    {
        if (!answers.empty())
            otherwise = answers.front(), answers.pop_front();
        return otherwise;
    }

    // The program folder, new whatever other runs left behind.
    TestFolder m_folder;
    std::map<tk::BuiltInPicture, tk::PictureRef> m_builtIn;
};

} // namespace fake
