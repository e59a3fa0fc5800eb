#include "FileQuestions.h"

#include "PatientQuestion.h"

FileQuestions::FileQuestions(std::function<bool()> onProgramThread)
    : m_onProgramThread(std::move(onProgramThread))
{
}

LookUpClient::Patience FileQuestions::patience(std::chrono::milliseconds onProgramThread) const
{
    if (!m_onProgramThread())
        return std::nullopt;
    return onProgramThread;
}

std::vector<std::string> FileQuestions::folders(const std::string& folder)
{
    return m_client.folders(folder, patience(PatientQuestion::kPatience))
        .value_or(LookUpClient::Names());
}

tk::DriveFolder FileQuestions::openDrive(const std::string& drive)
{
    const tk::DriveFailure failure =
        m_client.folderAccess(drive, patience(LookUpClient::kDrivePatience))
            .value_or(tk::DriveFailure::NotAvailable);
    if (failure != tk::DriveFailure::None)
        return {{}, failure};
    return {drive, {}};
}

std::vector<std::string> FileQuestions::files(const std::string& pattern)
{
    return m_client.files(pattern, patience(PatientQuestion::kPatience))
        .value_or(LookUpClient::Names());
}

std::optional<std::string> FileQuestions::pictureBytes(const std::string& path)
{
    auto bytes = m_client.fileBytes(path, patience(PatientQuestion::kPatience));
    if (!bytes)
        return std::nullopt;
    return std::move(*bytes);
}
