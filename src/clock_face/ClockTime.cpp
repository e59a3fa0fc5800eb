#include "ClockTime.h"

#include <algorithm>

namespace {

// One sixtieth of a turn, to five places, as the face has always turned.
constexpr double kSixDegrees = 0.10472;

} // namespace

int ClockTime::shownTime(int timeOfDay, std::int64_t elapsed, float viewTime)
{
    if (viewTime == 0)
        return timeOfDay;
    return static_cast<int>(std::max<std::int64_t>(elapsed, 0) % kSecondsPerDay);
}

std::array<std::string, 3> ClockTime::figures(int shownTime)
{
    return {std::to_string(shownTime % 60), std::to_string(shownTime / 60 % 60),
            std::to_string(shownTime / 3600)};
}

std::array<float, 3> ClockTime::angles(int timeOfDay, double shownMinute)
{
    const int second = timeOfDay % 60;
    const int minute = timeOfDay / 60 % 60;
    const int hour = timeOfDay / 3600;
    return {static_cast<float>((second - 15) * kSixDegrees),
            static_cast<float>((minute - 15) * kSixDegrees),
            static_cast<float>(((hour - 3) * 5 + shownMinute / 12) * kSixDegrees)};
}
