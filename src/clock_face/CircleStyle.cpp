#include "CircleStyle.h"

#include "NumberText.h"

namespace {

constexpr CircleStyle kDifferentSize{850, 700, 380, 510, 420, 4, 1.8f};
constexpr CircleStyle kEqualSize{1080, 1080, 700, 700, 540, 3, 2.0f};

} // namespace

const CircleStyle& CircleStyle::of(float shapeWidth)
{
    return shapeWidth == 0 ? kDifferentSize : kEqualSize;
}

FigureSizes CircleStyle::figureSizes(float shapeWidth, double hoursSize, float storedSize)
{
    if (shapeWidth != 0)
        return {storedSize, storedSize};
    return {static_cast<float>(hoursSize / 2), static_cast<float>(hoursSize * 2.1 / 3)};
}

FigureSizes CircleStyle::pickedFigureSizes(float shapeWidth, float hoursSize)
{
    const double hours = tk::toCurrency(hoursSize);
    if (shapeWidth == 1)
        return {static_cast<float>(hours), static_cast<float>(hours)};
    return {static_cast<float>(hours / 2), static_cast<float>(tk::toCurrency(hours * 2) / 3)};
}
