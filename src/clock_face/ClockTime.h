#pragma once

#include <array>
#include <cstdint>
#include <string>

// What one tick of the clock shows: the time in the chosen mode as three figures, and the
// three angles of the groups.
class ClockTime {
public:
    static constexpr int kSecondsPerDay = 24 * 60 * 60;

    // The time the figures show, in seconds: the time of day, or in "Time from start" (any
    // ViewTime but 0) the `elapsed` seconds since the start, wrapped at a day.
    static int shownTime(int timeOfDay, std::int64_t elapsed, float viewTime);
    // The seconds, minutes and hours figures of a shown time.
    static std::array<std::string, 3> figures(int shownTime);
    // The seconds, minutes and hours angles, in radians from 3 o'clock, clockwise. The circles
    // follow the time of day in both modes; only the hour's fraction comes from the minute
    // figure shown.
    static std::array<float, 3> angles(int timeOfDay, double shownMinute);
};
