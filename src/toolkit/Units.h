#pragma once

#include "Bounds.h"
#include "PixelGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tk {

// The one conversion between the windows' units and a screen's: lengths in twips, 1/1440
// inch, font sizes in points of 20 twips, and pixels. A pixel is 1440 / the screen's logical
// dots per inch twips, so 15 on an ordinary 96-dpi screen. Whole pixels are always the nearest
// ones, so that a widget, a picture box's picture and the painted face agree to the pixel.
class Units {
public:
    static constexpr double kTwipsPerInch = 1440.0;
    static constexpr double kTwipsPerPoint = 20.0;
    static constexpr double kStandardDotsPerInch = 96.0;

    explicit constexpr Units(double twipsPerPixel = kTwipsPerInch / kStandardDotsPerInch)
        : m_twipsPerPixel(twipsPerPixel)
    {
    }
    // The units of a screen of `dotsPerInch` logical dots per inch.
    static constexpr Units forDotsPerInch(double dotsPerInch)
    {
        return Units(kTwipsPerInch / dotsPerInch);
    }

    constexpr double twipsPerPixel() const { return m_twipsPerPixel; }

    // Exact pixels, for drawing.
    constexpr double toPixels(double twips) const { return twips / m_twipsPerPixel; }
    // The nearest whole pixel, for placing and sizing anything in whole pixels.
    int toWholePixels(double twips) const { return static_cast<int>(std::lround(toPixels(twips))); }
    PixelRect toWholePixels(const Bounds& bounds) const
    {
        return {toWholePixels(bounds.left), toWholePixels(bounds.top), toWholePixels(bounds.width),
                toWholePixels(bounds.height)};
    }
    constexpr double toTwips(double pixels) const { return pixels * m_twipsPerPixel; }
    std::int32_t toWholeTwips(double pixels) const
    {
        return static_cast<std::int32_t>(std::lround(toTwips(pixels)));
    }
    // A font of `points` as a pixel size, at least one pixel.
    int fontPixels(double points) const
    {
        return std::max(1, toWholePixels(points * kTwipsPerPoint));
    }

private:
    double m_twipsPerPixel;
};

} // namespace tk
