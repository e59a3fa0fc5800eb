#pragma once

#include <windows.h>

#include "Units.h"

// The primary monitor, on which the clock and its dialogs stand.
namespace PrimaryMonitor {

// Its rectangle on the virtual screen.
RECT area();
// Its units: twips per pixel by its dots per inch.
tk::Units units();

} // namespace PrimaryMonitor
