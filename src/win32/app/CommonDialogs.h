#pragma once

#include "Platform.h"

#include <windows.h>

#include <optional>
#include <string>

// Windows' own message box and common dialogs, owned by the window that they open over.
namespace CommonDialogs {

tk::MessageAnswer messageBox(HWND owner, const std::string& text, const std::string& title,
                             tk::MessageIcon icon, tk::MessageButtons buttons);
std::optional<tk::Colour> pickColour(HWND owner, tk::Colour preset);
// `flags` are ChooseFontW's own (CF_SCREENFONTS, CF_EFFECTS, ...), as the window set them.
std::optional<tk::FontChoice> pickFont(HWND owner, const tk::FontChoice& preset, int flags,
                                       int dotsPerInch);

} // namespace CommonDialogs
