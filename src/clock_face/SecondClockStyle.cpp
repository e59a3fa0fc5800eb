#include "SecondClockStyle.h"

int SecondClockStyle::dialFor(std::int32_t screenWidth)
{
    switch (screenWidth) {
    case 12000:
        return 2;
    case 15360:
        return 1;
    case 19200:
        return 3;
    default:
        return 0;
    }
}
