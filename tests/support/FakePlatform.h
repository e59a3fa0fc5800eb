#pragma once

#include "Platform.h"

#include <deque>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace fake {

struct MessageRecord {
    std::string text;
    std::string title;
    tk::MessageIcon icon = tk::MessageIcon::None;
    tk::MessageButtons buttons = tk::MessageButtons::Ok;
};

// A scripted platform for headless tests: a settable clock and screen, a real temporary
// program folder with real files, and pickers and message boxes that answer from queues.
// Ending the process throws ProcessEnded.
class FakePlatform : public tk::Platform {
public:
    FakePlatform();
    ~FakePlatform() override;
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    // The script.
    int time = 0;
    std::string commandLineText;
    tk::ScreenSize screen{15360, 11520};
    bool anotherInstance = false;
    bool failWrites = false;
    bool failReads = false;
    std::deque<tk::MessageAnswer> messageAnswers;
    std::deque<std::optional<tk::Colour>> colourAnswers;
    std::deque<std::optional<tk::FontChoice>> fontAnswers;

    // What the program did.
    std::vector<std::pair<int, int>> cursorMoves;
    std::vector<MessageRecord> messages;
    std::vector<tk::Colour> colourPresets;
    std::vector<tk::FontChoice> fontPresets;
    std::vector<std::string> modalWindows;
    std::vector<std::string> createdWindows;
    int writeCount = 0;
    int endCount = 0;

    void setTime(int hours, int minutes, int seconds);
    void setScreenPixels(int width, int height);
    // A path in the program folder, joined as the program joins it.
    std::string pathOf(const std::string& name) const;
    void putFile(const std::string& name, const std::string& contents);
    std::optional<std::string> fileText(const std::string& name) const;
    bool fileExists(const std::string& name) const;
    tk::PictureRef builtIn(tk::BuiltInPicture which);

    bool anotherInstanceRunning() override;
    std::string commandLine() override;
    std::string programFolder() override;
    int timeOfDay() override;
    tk::ScreenSize screenSize() override;
    [[noreturn]] void endProcess() override;
    void setCursorPos(int x, int y) override;
    void windowCreated(tk::Window& window) override;
    void showModal(tk::Window& window) override;
    tk::MessageAnswer messageBox(const std::string& text, const std::string& title,
                                 tk::MessageIcon icon, tk::MessageButtons buttons) override;
    std::optional<tk::Colour> pickColour(tk::Colour preset) override;
    std::optional<tk::FontChoice> pickFont(const tk::FontChoice& preset) override;
    std::vector<std::string> listDirectory(const std::string& pattern) override;
    std::optional<std::string> readFile(const std::string& path) override;
    bool writeFile(const std::string& path, const std::string& contents) override;
    tk::PictureRef loadPicture(const std::string& path) override;
    tk::PictureRef builtInPicture(tk::BuiltInPicture which) override;

private:
    std::filesystem::path m_folder;
    std::map<tk::BuiltInPicture, tk::PictureRef> m_builtIn;
};

// Whether a name matches a wildcard of "*" and "?", without regard to case.
bool wildcardMatch(const std::string& pattern, const std::string& name);

} // namespace fake
