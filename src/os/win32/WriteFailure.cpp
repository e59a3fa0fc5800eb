#include "WriteFailure.h"

#include <windows.h>

namespace os {

tk::WriteFailure lastWriteFailure()
{
    switch (::GetLastError()) {
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return tk::WriteFailure::AccessDenied;
    case ERROR_WRITE_PROTECT:
        return tk::WriteFailure::ReadOnly;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return tk::WriteFailure::DiskFull;
    case ERROR_FILE_TOO_LARGE:
        return tk::WriteFailure::TooLarge;
    case ERROR_PATH_NOT_FOUND:
        return tk::WriteFailure::NoFolder;
    case ERROR_DIRECTORY:
        return tk::WriteFailure::NotAFile;
    default:
        return tk::WriteFailure::Other;
    }
}

} // namespace os
