#include "SettingsValues.h"

#include "Font.h"
#include "NumberText.h"
#include "SettingsFile.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kLargestColour = 0xFFFFFF;
constexpr int kClock2Slot = 12;

} // namespace

tk::Colour SettingsValues::colour(int slot) const
{
    const auto value = tk::parseNumber(strSettings[slot]);
    if (!value)
        return *tk::parseWholeNumber(SettingsFile::kSettings[slot].defaultText);
    return static_cast<tk::Colour>(std::nearbyint(std::clamp(*value, 0.0, kLargestColour)));
}

float SettingsValues::fontSize(int slot) const
{
    const auto fallback = tk::parseNumber(SettingsFile::kSettings[slot].defaultText);
    const auto value = tk::parseNumber(strSettings[slot]);
    return std::clamp(static_cast<float>(value.value_or(*fallback)), tk::kSmallestFontSize,
                      tk::kLargestFontSize);
}

int SettingsValues::checkValue(int slot) const
{
    return tk::parseWholeNumber(strSettings[slot]) == 1 ? 1 : 0;
}

bool SettingsValues::clock2() const
{
    return tk::parseNumber(strSettings[kClock2Slot]) == 1.0;
}
