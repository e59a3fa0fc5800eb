#include "CircleStyle.h"

namespace {

constexpr CircleStyle kDifferentSize{850, 700, 380, 510, 420, 4, 1.8f};
constexpr CircleStyle kEqualSize{1080, 1080, 700, 700, 540, 3, 2.0f};

} // namespace

const CircleStyle& CircleStyle::of(float shapeWidth)
{
    return shapeWidth == 0 ? kDifferentSize : kEqualSize;
}

float CircleStyle::secondsFigureSize(float shapeWidth, double hoursSize, float storedSize)
{
    return shapeWidth == 0 ? static_cast<float>(hoursSize / 2) : storedSize;
}

float CircleStyle::minutesFigureSize(float shapeWidth, double hoursSize, float storedSize)
{
    return shapeWidth == 0 ? static_cast<float>(hoursSize * 2.1 / 3) : storedSize;
}
