#include "FolderAccess.h"

#include "QuietErrors.h"
#include "WideText.h"

#include <windows.h>

namespace os {

namespace {

tk::DriveFailure failureOf(DWORD error)
{
    return error == ERROR_ACCESS_DENIED ? tk::DriveFailure::AccessDenied
                                        : tk::DriveFailure::NotAvailable;
}

} // namespace

// A folder that can be listed is one whose first entry can be asked for.
tk::DriveFailure folderAccess(const std::string& folder)
{
    const QuietErrors quiet;
    const std::wstring wide = wideText::fromUtf8(folder);
    if (wide.empty())
        return tk::DriveFailure::NotAvailable;
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return failureOf(::GetLastError());
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
        return tk::DriveFailure::NotAvailable;
    const bool separated = wide.back() == L'\\' || wide.back() == L'/';
    WIN32_FIND_DATAW entry{};
    const HANDLE search =
        ::FindFirstFileExW((wide + (separated ? L"*" : L"\\*")).c_str(), FindExInfoBasic, &entry,
                           FindExSearchNameMatch, nullptr, 0);
    if (search != INVALID_HANDLE_VALUE) {
        ::FindClose(search);
        return tk::DriveFailure::None;
    }
    // The root of an empty drive has no entry at all, not even "." and "..".
    const DWORD error = ::GetLastError();
    return error == ERROR_FILE_NOT_FOUND ? tk::DriveFailure::None : failureOf(error);
}

} // namespace os
