#pragma once

#include "Colour.h"

#include <string>

namespace tk {

class Platform;

// The picker object of a window: one colour, one font and the options of the font picker,
// which carry over from one opening to the next. A cancelled picker leaves them as they were.
class CommonDialog {
public:
    explicit CommonDialog(Platform& platform)
        : m_platform(platform)
    {
    }

    Colour color = kBlack;
    std::string fontName;
    float fontSize = 8.25f;
    bool fontBold = false;
    bool fontItalic = false;
    bool fontUnderline = false;
    bool fontStrikethru = false;
    // The font picker's options, handed to the platform's picker as they are.
    int flags = 0;

    void showColor();
    void showFont();

private:
    Platform& m_platform;
};

} // namespace tk
