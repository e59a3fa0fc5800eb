#pragma once

#include "Bounds.h"
#include "Platform.h"

#include <QRect>
#include <QRectF>
#include <QScreen>
#include <QSize>

#include <algorithm>
#include <cmath>

// The one conversion between the windows' units and the screen's: lengths in twips, font sizes
// in points (20 twips each), and pixels. Every widget, the painter, the fonts and the platform
// convert through it, so that the screen's twips per pixel is known in this one place.
//
// A twip is 1/1440 inch, so a pixel is 1440 / the screen's logical dots per inch. Qt scales
// a screen of more dots per inch (Xft.dpi on X11, an output's scale on Wayland) by a device
// pixel ratio and leaves 96 logical dots per inch, so the pixels here are Qt's device
// independent ones; the device pixel ratio says how many of the screen's own each holds, for
// what is drawn into images.
class ScreenUnits {
public:
    static constexpr double kTwipsPerPoint = 20.0;
    static constexpr double kTwipsPerInch = 1440.0;

    explicit constexpr ScreenUnits(double twipsPerPixel = tk::kTwipsPerPixel,
                                   double devicePixelRatio = 1.0)
        : m_twipsPerPixel(twipsPerPixel)
        , m_devicePixelRatio(devicePixelRatio)
    {
    }

    // The units of `screen`, or those of an ordinary screen when there is none.
    static ScreenUnits of(const QScreen* screen)
    {
        if (!screen || screen->logicalDotsPerInch() <= 0)
            return ScreenUnits();
        return ScreenUnits(kTwipsPerInch / screen->logicalDotsPerInch(),
                           screen->devicePixelRatio());
    }

    constexpr double twipsPerPixel() const { return m_twipsPerPixel; }
    constexpr double devicePixelRatio() const { return m_devicePixelRatio; }

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
    double m_devicePixelRatio;
};
