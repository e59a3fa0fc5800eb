#include "UserFolders.h"

#include "WideText.h"

#include <windows.h>
// After windows.h, which it needs.
#include <knownfolders.h>
#include <shlobj.h>

#include <array>

namespace os::userFolders {

namespace {

std::string knownFolder(REFKNOWNFOLDERID id)
{
    PWSTR path = nullptr;
    std::string folder;
    if (SUCCEEDED(::SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &path)))
        folder = wideText::toUtf8(path);
    ::CoTaskMemFree(path);
    return folder;
}

} // namespace

std::string home()
{
    return knownFolder(FOLDERID_Profile);
}

std::string config()
{
    return knownFolder(FOLDERID_RoamingAppData);
}

std::string pictures()
{
    return knownFolder(FOLDERID_Pictures);
}

// The user's temporary folder is the user's own already; the program keeps a folder of its
// own there.
std::string privateTemp()
{
    std::array<wchar_t, MAX_PATH + 2> temp{};
    const DWORD length = ::GetTempPathW(static_cast<DWORD>(temp.size()), temp.data());
    if (length == 0 || length >= temp.size())
        return {};
    const std::wstring folder = std::wstring(temp.data(), length) + L"tikora-clock";
    if (!::CreateDirectoryW(folder.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS)
        return {};
    return wideText::toUtf8(folder);
}

} // namespace os::userFolders
