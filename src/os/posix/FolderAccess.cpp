#include "FolderAccess.h"

#include <filesystem>
#include <unistd.h>

namespace os {

tk::DriveFailure folderAccess(const std::string& folder)
{
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error))
        return tk::DriveFailure::NotAvailable;
    if (::access(folder.c_str(), R_OK | X_OK) != 0)
        return tk::DriveFailure::AccessDenied;
    return tk::DriveFailure::None;
}

} // namespace os
