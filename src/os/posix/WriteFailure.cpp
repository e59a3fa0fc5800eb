#include "WriteFailure.h"

#include <cerrno>

namespace os {

tk::WriteFailure lastWriteFailure()
{
    switch (errno) {
    case EACCES:
    case EPERM:
        return tk::WriteFailure::AccessDenied;
    case EROFS:
        return tk::WriteFailure::ReadOnly;
    case ENOSPC:
    case EDQUOT:
        return tk::WriteFailure::DiskFull;
    case EFBIG:
        return tk::WriteFailure::TooLarge;
    case ENOENT:
    case ENOTDIR:
        return tk::WriteFailure::NoFolder;
    case EISDIR:
        return tk::WriteFailure::NotAFile;
    default:
        return tk::WriteFailure::Other;
    }
}

} // namespace os
