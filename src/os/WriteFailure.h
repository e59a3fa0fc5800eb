#pragma once

#include "Platform.h"

namespace os {

// Why the system's last call that failed could not write a file, read from the error it left
// (errno on POSIX, GetLastError on Windows).
tk::WriteFailure lastWriteFailure();

} // namespace os
