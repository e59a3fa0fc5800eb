#pragma once

#include "Platform.h"

#include <string>

namespace os {

// Why a folder cannot be opened for listing: it is missing or no folder, or the user may not
// enter or read it; DriveFailure::None when it can be opened. This asks the file system, and
// may wait as long as it does.
tk::DriveFailure folderAccess(const std::string& folder);

} // namespace os
