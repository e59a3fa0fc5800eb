#include "SlideShow.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMillisecondsPerSecond = 1000;

} // namespace

std::vector<std::string> SlideShow::numbered(std::vector<std::string> names)
{
    names.insert(names.begin(), std::string());
    return names;
}

int SlideShow::interval(float seconds)
{
    const double milliseconds = std::nearbyint(seconds * kMillisecondsPerSecond);
    return static_cast<int>(
        std::clamp(milliseconds, 0.0, kLongestSlidePeriod * kMillisecondsPerSecond));
}

int SlideShow::advance()
{
    const auto last = static_cast<int>(SlideFiles.size()) - 1;
    if (last < 1)
        return 0;
    const float shown = SlideIndex;
    const int index =
        shown >= 0 && shown < static_cast<float>(last) ? static_cast<int>(shown) + 1 : 1;
    SlideIndex = index == last ? 0.0f : static_cast<float>(index);
    return index;
}
