#pragma once

#include "PixelGeometry.h"

#include <string>

// The scale the clock is drawn at: how many of the screen's pixels stand for one pixel of its
// layout. A desktop may give any scale, and at one that no screen has the clock either draws
// nothing or makes windows of gigabytes. The scale is held between one screen pixel for each
// pixel of the layout and the largest at which a layout of 640 x 480 pixels, which the face and
// the dialogs still fit, covers no more than the screen.
namespace ScaleClamp {

// The smallest screen, in layout pixels, that the face and the dialogs still fit: a desktop at
// 200 % on a 1920 x 1080 screen leaves 960 x 540 of them, and is kept.
inline constexpr tk::PixelSize kSmallestScaledLayout{640, 480};
// Ratios this close are the same: a toolkit's own sums round.
inline constexpr double kSameRatio = 1e-3;

// Whether a scale factor that a user set is one: finite and above zero.
bool isScale(double factor);
// The largest device pixel ratio at which the smallest layout fits a screen of `width` by
// `height` device pixels, but at least 1.
double largestRatio(double width, double height);
// The device pixel ratio held in [1, largest]; one that is not finite counts as 1.
double held(double ratio, double largest);
// Whether two ratios are the same, as far as the scale goes.
bool sameRatio(double ratio, double other);
// The scale factor that takes a toolkit from `ratio` to `wanted`, when its ratio is `factor`
// times what the desktop gives.
double nextFactor(double factor, double ratio, double wanted);
// A scale as its user knows it: "150 %".
std::string percent(double scale);

} // namespace ScaleClamp
