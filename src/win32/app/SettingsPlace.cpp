#include "SettingsPlace.h"

#include "SettingsFolder.h"
#include "UserFolders.h"
#include "WideText.h"

#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

#include <array>

namespace {

std::wstring knownFolder(REFKNOWNFOLDERID id)
{
    PWSTR path = nullptr;
    std::wstring folder;
    if (SUCCEEDED(::SHGetKnownFolderPath(id, 0, nullptr, &path)))
        folder = path;
    ::CoTaskMemFree(path);
    return folder;
}

// Whether `folder` is `parent` or lies below it, compared as Windows compares names.
bool within(const std::wstring& folder, const std::wstring& parent)
{
    if (parent.empty() || folder.size() < parent.size())
        return false;
    const int size = static_cast<int>(parent.size());
    if (::CompareStringOrdinal(folder.c_str(), size, parent.c_str(), size, TRUE) != CSTR_EQUAL)
        return false;
    return folder.size() == parent.size() || folder[parent.size()] == L'\\' ||
           parent.back() == L'\\';
}

// The system's folders, which only installers write: the Windows folder holds System32 and
// SysWOW64.
bool installed(const std::wstring& folder)
{
    wchar_t windows[MAX_PATH] = {};
    ::GetSystemWindowsDirectoryW(windows, MAX_PATH);
    const std::array<std::wstring, 3> system{windows, knownFolder(FOLDERID_ProgramFiles),
                                             knownFolder(FOLDERID_ProgramFilesX86)};
    for (const std::wstring& parent : system) {
        if (within(folder, parent))
            return true;
    }
    return false;
}

// Whether a file can be made in the folder: its access rules, its attributes and the volume's
// all have their say, so the file itself is the only sure answer.
bool writable(const std::wstring& folder)
{
    wchar_t probe[MAX_PATH] = {};
    if (::GetTempFileNameW(folder.c_str(), L"tik", 0, probe) == 0)
        return false;
    ::DeleteFileW(probe);
    return true;
}

} // namespace

std::string SettingsPlace::locate(const std::string& programFolder)
{
    const std::wstring folder = os::wideText::fromUtf8(programFolder);
    SettingsFolder::Facts facts;
    facts.programFolder = programFolder;
    facts.installed = installed(folder);
    facts.programFolderWritable = !facts.installed && writable(folder);
    const std::wstring settings =
        folder + L"\\" + os::wideText::fromUtf8(std::string(SettingsFolder::kSettingsFile));
    facts.settingsBesideProgram = ::GetFileAttributesW(settings.c_str()) != INVALID_FILE_ATTRIBUTES;
    facts.userConfigFolder = os::userFolders::config();
    facts.folderName = SettingsFolder::kWindowsFolderName;
    const std::string located = SettingsFolder::locate(facts);
    // A folder that cannot be made leaves the run on its defaults, as an unwritable one does.
    if (located != programFolder)
        ::CreateDirectoryW(os::wideText::fromUtf8(located).c_str(), nullptr);
    return located;
}

std::string SettingsPlace::pictureFolder(const std::string& settingsFolder,
                                         const std::string& programFolder)
{
    SettingsFolder::PictureFacts facts;
    facts.settingsFolder = settingsFolder;
    facts.programFolder = programFolder;
    facts.picturesFolder = os::userFolders::pictures();
    const DWORD attributes =
        ::GetFileAttributesW(os::wideText::fromUtf8(facts.picturesFolder).c_str());
    facts.picturesFolderExists =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    facts.homeFolder = os::userFolders::home();
    return SettingsFolder::pictureFolder(facts);
}
