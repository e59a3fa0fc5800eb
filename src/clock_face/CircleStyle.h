#pragma once

#include <cstdint>

// The font sizes of the seconds and minutes figures, in points.
struct FigureSizes {
    float seconds;
    float minutes;
};

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
    // The figure sizes of a style, for the hours figures' `hoursSize`, by two rules that differ
    // on purpose, and whose results are kept exactly.
    // When the style is applied: in "Different size" half the hours size and 2.1 / 3 of it;
    // in "Equal size" both the stored size `storedSize`.
    static FigureSizes figureSizes(float shapeWidth, double hoursSize, float storedSize);
    // When the font picker has given a new hours size: in "Equal size" (a ShapeWidth of 1) both
    // the hours size at currency precision; in any other style half of that, and 2 / 3 of its
    // double at currency precision.
    static FigureSizes pickedFigureSizes(float shapeWidth, float hoursSize);
};
