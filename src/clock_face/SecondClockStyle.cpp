#include "SecondClockStyle.h"

std::optional<tk::BuiltInPicture> SecondClockStyle::dialFor(std::int32_t screenWidth)
{
    switch (screenWidth) {
    case 12000:
        return tk::BuiltInPicture::Dial800x600;
    case 15360:
        return tk::BuiltInPicture::Dial1024x768;
    case 19200:
        return tk::BuiltInPicture::Dial1280x1024;
    default:
        return std::nullopt;
    }
}
