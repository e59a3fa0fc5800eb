#pragma once

#include "LookUpClient.h"
#include "Platform.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// A platform's questions to the file system, asked of look-up helpers: patiently on the
// program's thread, so that a mount or share that has gone away holds up neither the clock, nor
// Save, nor the chooser (what does not answer in a moment is empty, or not available); on a
// worker's thread as long as it takes.
class FileQuestions {
public:
    // `onProgramThread` tells whether the calling thread is the program's.
    explicit FileQuestions(std::function<bool()> onProgramThread);

    // Starts a helper ahead of the first question.
    void prepare() { m_client.prepare(); }
    std::vector<std::string> folders(const std::string& folder);
    tk::DriveFolder openDrive(const std::string& drive);
    std::vector<std::string> files(const std::string& pattern);
    // The bytes of a picture file; nothing when it is not there or does not answer in time.
    std::optional<std::string> pictureBytes(const std::string& path);

private:
    LookUpClient::Patience patience(std::chrono::milliseconds onProgramThread) const;

    std::function<bool()> m_onProgramThread;
    LookUpClient m_client;
};
