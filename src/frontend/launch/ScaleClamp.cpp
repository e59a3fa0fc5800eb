#include "ScaleClamp.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPercent = 100;

} // namespace

bool ScaleClamp::isScale(double factor)
{
    return std::isfinite(factor) && factor > 0;
}

double ScaleClamp::largestRatio(double width, double height)
{
    return std::max(
        1.0, std::min(width / kSmallestScaledLayout.width, height / kSmallestScaledLayout.height));
}

double ScaleClamp::held(double ratio, double largest)
{
    return std::isfinite(ratio) ? std::clamp(ratio, 1.0, largest) : 1.0;
}

bool ScaleClamp::sameRatio(double ratio, double other)
{
    return std::abs(other - ratio) <= kSameRatio * other;
}

double ScaleClamp::nextFactor(double factor, double ratio, double wanted)
{
    return factor * wanted / ratio;
}

std::string ScaleClamp::percent(double scale)
{
    return std::to_string(std::lround(scale * kPercent)) + " %";
}
