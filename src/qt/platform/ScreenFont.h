#pragma once

#include "Font.h"
#include "ScreenUnits.h"

#include <QFont>
#include <QString>

// Turns the fonts that the windows name (faces of the Windows world such as "MS Sans Serif")
// into fonts this machine has, at the pixel size of their points on this screen.
namespace ScreenFont {

QFont fromFont(const tk::Font& font, const ScreenUnits& units);

} // namespace ScreenFont
