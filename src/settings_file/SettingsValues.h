#pragma once

#include "Colour.h"
#include "SettingsSlot.h"

#include <array>
#include <string>

// The settings of the run, alive for the whole run and shared by every window: the settings
// file's lines by position, and the typed copies that the windows read and change.
struct SettingsValues {
    // The settings file's lines by position; slots 13 to 15 are never used.
    std::array<std::string, 16> strSettings;
    float ViewTime = 0;
    float ShapeWidth = 0;
    std::string PicCenter;
    float SlideShowTime = 0;

    const std::string& text(SettingsSlot slot) const { return strSettings[slotIndex(slot)]; }
    std::string& text(SettingsSlot slot) { return strSettings[slotIndex(slot)]; }

    // A slot read as the colour, font size or check-box value it must be, or as its default's
    // meaning when it does not read as a number. A number that the settings dialog could never
    // have written reads as the nearest one it can write, so that no hand-edited file can
    // break the face.
    tk::Colour colour(SettingsSlot slot) const;
    float fontSize(SettingsSlot slot) const;
    int checkValue(SettingsSlot slot) const;
    // Whether the second clock style is stored: exactly the number 1.
    bool clock2() const;
};
