#include "SettingsValues.h"

#include "NumberText.h"

#include <algorithm>
#include <cmath>

tk::Colour SettingsValues::colour(SettingsSlot slot) const
{
    const SettingsLine& line = settingsLine(slot);
    const auto value = tk::parseNumber(text(slot));
    if (!value)
        return *tk::parseWholeNumber(line.defaultText);
    return static_cast<tk::Colour>(std::nearbyint(std::clamp(*value, line.least, line.most)));
}

float SettingsValues::fontSize(SettingsSlot slot) const
{
    const SettingsLine& line = settingsLine(slot);
    const auto value = tk::parseNumber(text(slot));
    return static_cast<float>(
        std::clamp(value.value_or(*tk::parseNumber(line.defaultText)), line.least, line.most));
}

int SettingsValues::checkValue(SettingsSlot slot) const
{
    return tk::parseWholeNumber(text(slot)) == 1 ? 1 : 0;
}

bool SettingsValues::clock2() const
{
    return tk::parseNumber(text(SettingsSlot::Clock2)) == 1.0;
}
