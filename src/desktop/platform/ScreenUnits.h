#pragma once

#include "Bounds.h"
#include "Platform.h"

#include <QRect>
#include <QRectF>
#include <QSize>

#include <algorithm>
#include <cmath>

// The one conversion between the windows' units and the screen's: lengths in twips, font sizes
// in points (20 twips each), and pixels. Every widget, the painter, the fonts and the platform
// convert through it, so that the screen's twips per pixel is known in this one place.
class ScreenUnits {
public:
    static constexpr double kTwipsPerPoint = 20.0;

    explicit constexpr ScreenUnits(double twipsPerPixel = tk::kTwipsPerPixel)
        : m_twipsPerPixel(twipsPerPixel)
    {
    }

    constexpr double twipsPerPixel() const { return m_twipsPerPixel; }

    // Exact pixels, for drawing.
    double toPixels(double twips) const { return twips / m_twipsPerPixel; }
    QRectF toPixels(const tk::Bounds& bounds) const
    {
        return {toPixels(bounds.left), toPixels(bounds.top), toPixels(bounds.width),
                toPixels(bounds.height)};
    }
    // The nearest whole pixel, for placing widgets.
    int toWholePixels(float twips) const
    {
        return static_cast<int>(std::lround(twips / static_cast<float>(m_twipsPerPixel)));
    }
    QRect toWholePixels(const tk::Bounds& bounds) const
    {
        return {toWholePixels(bounds.left), toWholePixels(bounds.top), toWholePixels(bounds.width),
                toWholePixels(bounds.height)};
    }

    float toTwips(int pixels) const { return static_cast<float>(pixels * m_twipsPerPixel); }
    tk::ScreenSize toTwips(QSize pixels) const
    {
        return {static_cast<std::int32_t>(std::lround(pixels.width() * m_twipsPerPixel)),
                static_cast<std::int32_t>(std::lround(pixels.height() * m_twipsPerPixel))};
    }

    // A font of `points` as a pixel size, at least one pixel.
    int fontPixels(float points) const
    {
        return std::max(1,
                        static_cast<int>(std::lround(points * kTwipsPerPoint / m_twipsPerPixel)));
    }

private:
    double m_twipsPerPixel;
};
