#pragma once

#include <cstdint>

// The sizes of one circle style, in twips: the seconds and minutes circles and labels, and the
// layout the drawing uses. The hours circle and label keep their own size in both styles.
struct CircleStyle {
    float minutesCircle;
    float secondsCircle;
    float secondsLabel;
    float minutesLabel;
    std::int16_t radiusUnit;
    std::int16_t lineSteps;
    float spreadStep;

    // "Different size" for a ShapeWidth of 0, "Equal size" for any other.
    static const CircleStyle& of(float shapeWidth);
    // The seconds and minutes figures' font sizes for the hours figures' `hoursSize`: graded
    // from it in "Different size", the stored size `storedSize` in "Equal size".
    static float secondsFigureSize(float shapeWidth, double hoursSize, float storedSize);
    static float minutesFigureSize(float shapeWidth, double hoursSize, float storedSize);
};
