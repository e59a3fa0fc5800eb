#pragma once

#include <string>
#include <vector>

// The longest slide period, a day, in seconds.
inline constexpr double kLongestSlidePeriod = 86400;

// The slide show's list and place in it, and its rules: the list is numbered from 1, with
// element 0 left empty, and the show goes round it.
struct SlideShow {
    std::vector<std::string> SlideFiles{std::string()};
    float SlideIndex = 0;

    // The list of `names`, numbered from 1.
    static std::vector<std::string> numbered(std::vector<std::string> names);
    // The slide timer's interval, in milliseconds, for a period in seconds.
    static int interval(float seconds);
    // Moves to the next slide and returns its number, the first again after the last; 0 when
    // the list is empty. The show never reads past its list.
    int advance();
};
