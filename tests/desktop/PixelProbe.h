#pragma once

#include <QColor>
#include <QImage>
#include <QVector3D>

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
        const QVector3D p(qRed(pixel), qGreen(pixel), qBlue(pixel));
        const QVector3D c(colour.red(), colour.green(), colour.blue());
        // The coverage that best explains the pixel as the colour blended over black.
        const float coverage = c.isNull() ? 1 : QVector3D::dotProduct(p, c) / c.lengthSquared();
        const QVector3D error = p - coverage * c;
        return (c.isNull() || (coverage >= kMinimumCoverage && coverage <= kMaximumCoverage)) &&
               std::max({std::abs(error.x()), std::abs(error.y()), std::abs(error.z())}) <=
                   kTolerance;
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
    // How many pixels of `area` match `colour`.
    static int count(const QImage& image, const QRect& area, const QColor& colour)
    {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x)
                count += image.valid(x, y) && matches(image.pixel(x, y), colour) ? 1 : 0;
        }
        return count;
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
