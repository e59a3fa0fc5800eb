#pragma once

#include "Platform.h"
#include "Units.h"

#include <QRect>
#include <QRectF>
#include <QScreen>
#include <QSize>

// The windows' units on one screen: the toolkit's conversion between twips, points and pixels
// with the screen's dots per inch, and Qt's types. Every widget, the painter, the fonts and
// the platform convert through it.
//
// Qt scales a screen of more dots per inch (Xft.dpi on X11, an output's scale on Wayland) by a
// device pixel ratio and leaves 96 logical dots per inch, so the pixels here are Qt's device
// independent ones; the device pixel ratio says how many of the screen's own each holds, for
// what is drawn into images.
class ScreenUnits {
public:
    explicit constexpr ScreenUnits(tk::Units units = tk::Units(), double devicePixelRatio = 1.0)
        : m_units(units)
        , m_devicePixelRatio(devicePixelRatio)
    {
    }

    // The units of `screen`, or those of an ordinary screen when there is none.
    static ScreenUnits of(const QScreen* screen)
    {
        if (!screen || screen->logicalDotsPerInch() <= 0)
            return ScreenUnits();
        return ScreenUnits(tk::Units::forDotsPerInch(screen->logicalDotsPerInch()),
                           screen->devicePixelRatio());
    }

    constexpr tk::Units units() const { return m_units; }
    constexpr double twipsPerPixel() const { return m_units.twipsPerPixel(); }
    constexpr double devicePixelRatio() const { return m_devicePixelRatio; }

    // Exact pixels, for drawing.
    double toPixels(double twips) const { return m_units.toPixels(twips); }
    QRectF toPixels(const tk::Bounds& bounds) const
    {
        return {toPixels(bounds.left), toPixels(bounds.top), toPixels(bounds.width),
                toPixels(bounds.height)};
    }
    // The nearest whole pixels, for placing widgets and for the area a control covers.
    int toWholePixels(float twips) const { return m_units.toWholePixels(twips); }
    QRect toWholePixels(const tk::Bounds& bounds) const
    {
        const tk::PixelRect rect = m_units.toWholePixels(bounds);
        return {rect.left, rect.top, rect.width, rect.height};
    }

    float toTwips(int pixels) const { return static_cast<float>(m_units.toTwips(pixels)); }
    tk::ScreenSize toTwips(QSize pixels) const
    {
        return {m_units.toWholeTwips(pixels.width()), m_units.toWholeTwips(pixels.height())};
    }

    int fontPixels(float points) const { return m_units.fontPixels(points); }

private:
    tk::Units m_units;
    double m_devicePixelRatio;
};
