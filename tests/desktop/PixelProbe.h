#pragma once

#include <QColor>
#include <QImage>

#include <algorithm>
#include <cmath>

// Colour tests on screenshots that allow for antialiasing: a pixel of a thin line or a rim
// may be the colour dimmed towards the black behind it, a pixel or two from where the
// geometry puts it.
class PixelProbe {
public:
    // Whether `pixel` is `colour` over black, covered at least 60 % (black: almost black).
    static bool matches(QRgb pixel, const QColor& colour)
    {
        const double p[] = {double(qRed(pixel)), double(qGreen(pixel)), double(qBlue(pixel))};
        const double c[] = {double(colour.red()), double(colour.green()), double(colour.blue())};
        const double length = c[0] * c[0] + c[1] * c[1] + c[2] * c[2];
        if (length == 0)
            return std::max({p[0], p[1], p[2]}) <= kTolerance;
        // The coverage that best explains the pixel as the colour blended over black.
        const double coverage = (p[0] * c[0] + p[1] * c[1] + p[2] * c[2]) / length;
        if (coverage < kMinimumCoverage || coverage > kMaximumCoverage)
            return false;
        for (int i = 0; i < 3; ++i) {
            if (std::abs(p[i] - coverage * c[i]) > kTolerance)
                return false;
        }
        return true;
    }
    // Whether a pixel within `radius` of `point` matches `colour`.
    static bool near(const QImage& image, QPoint point, const QColor& colour, int radius = 2)
    {
        for (int dy = -radius; dy <= radius; ++dy) {
            for (int dx = -radius; dx <= radius; ++dx) {
                const QPoint at = point + QPoint(dx, dy);
                if (image.valid(at) && matches(image.pixel(at), colour))
                    return true;
            }
        }
        return false;
    }
    // The share of the pixels of `area` that are not black.
    static double litShare(const QImage& image, const QRect& area)
    {
        int lit = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x)
                lit += image.valid(x, y) && !matches(image.pixel(x, y), Qt::black) ? 1 : 0;
        }
        return double(lit) / (area.width() * area.height());
    }

private:
    static constexpr int kTolerance = 16;
    static constexpr double kMinimumCoverage = 0.6;
    static constexpr double kMaximumCoverage = 1.1;
};
