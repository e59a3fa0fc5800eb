#pragma once

#include "Font.h"
#include "SlideShow.h"

#include <array>
#include <cstddef>
#include <string_view>

// The settings file's 13 lines, in their order, each named after the value it holds.
enum class SettingsSlot {
    ViewTime,      // the time shown: 0 the time of day, any other number the time from start
    ShapeWidth,    // the circle style: 0 different sizes, any other number equal size
    PicCenter,     // the centre picture: a file's path, or the built-in picture's caption
    SlideShowTime, // the slide period in seconds; 0 keeps the slide still
    Localisation,  // the language: "0" Russian, anything else English
    Back,          // the "Back" check box: 1 shows the background picture
    HColor,        // the hours colour
    MColor,        // the minutes colour
    SColor,        // the seconds colour
    CColor,        // the circles' fill
    HSize,         // the hours figure's size in points
    FName,         // the figures' font face
    Clock2,        // the "Clock2" check box: exactly 1 shows the second clock style
};

// How a slot's text is read.
enum class SlotType {
    OptionIndex, // an option's index: 0, or 1 for any other number
    Text,        // taken as it is
    Period,      // a number of seconds, clamped to the slot's range
    Language,    // "0" or anything else
    CheckValue,  // a check box's value: 1 for a number that rounds to 1, else 0
    Switch,      // on only for exactly the number 1
    Colour,      // a colour, clamped to the slot's range
    FontSize,    // a size in points, clamped to the slot's range
};

// One line of the settings file: its key, its default, how it reads, and the range a number
// read from it is clamped to, where it has one.
struct SettingsLine {
    SettingsSlot slot;
    std::string_view key;
    std::string_view defaultText;
    SlotType type;
    double least = 0;
    double most = 0;
};

inline constexpr int kSettingsLineCount = 13;
inline constexpr double kLargestColour = 0xFFFFFF;

inline constexpr std::array<SettingsLine, kSettingsLineCount> kSettingsLines{{
    {SettingsSlot::ViewTime, "ViewTime=", "0", SlotType::OptionIndex},
    {SettingsSlot::ShapeWidth, "ShapeWidth=", "0", SlotType::OptionIndex},
    {SettingsSlot::PicCenter, "PicCenter=", "Default", SlotType::Text},
    {SettingsSlot::SlideShowTime, "SlideShowTime=", "0", SlotType::Period, 0, kLongestSlidePeriod},
    {SettingsSlot::Localisation, "Localisation=", "1", SlotType::Language},
    {SettingsSlot::Back, "Back=", "0", SlotType::CheckValue},
    {SettingsSlot::HColor, "HColor=", "255", SlotType::Colour, 0, kLargestColour},
    {SettingsSlot::MColor, "MColor=", "8421631", SlotType::Colour, 0, kLargestColour},
    {SettingsSlot::SColor, "SColor=", "12632319", SlotType::Colour, 0, kLargestColour},
    {SettingsSlot::CColor, "CColor=", "0", SlotType::Colour, 0, kLargestColour},
    {SettingsSlot::HSize, "HSize=", "30", SlotType::FontSize, tk::kSmallestFontSize,
     tk::kLargestFontSize},
    {SettingsSlot::FName, "FName=", "Tahoma", SlotType::Text},
    {SettingsSlot::Clock2, "Clock2=", "0", SlotType::Switch},
}};

// The slot's place in the file, counted from 0.
constexpr std::size_t slotIndex(SettingsSlot slot)
{
    return static_cast<std::size_t>(slot);
}

constexpr const SettingsLine& settingsLine(SettingsSlot slot)
{
    return kSettingsLines[slotIndex(slot)];
}

static_assert(
    [] {
        for (std::size_t i = 0; i < kSettingsLines.size(); ++i) {
            if (slotIndex(kSettingsLines[i].slot) != i)
                return false;
        }
        return true;
    }(),
    "the settings lines stand in the order of their slots");
