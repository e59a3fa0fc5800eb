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
    // The least share of a colour that makes a pixel of it, for most tests.
    static constexpr double kCoverage = 0.6;

    // Whether `pixel` is `colour` over black, covered at least `coverage` (black: almost black).
    static bool matches(QRgb pixel, const QColor& colour, double coverage = kCoverage)
    {
        const QVector3D p(qRed(pixel), qGreen(pixel), qBlue(pixel));
        const QVector3D c(colour.red(), colour.green(), colour.blue());
        // The coverage that best explains the pixel as the colour blended over black.
        const float share = c.isNull() ? 1 : QVector3D::dotProduct(p, c) / c.lengthSquared();
        const QVector3D error = p - share * c;
        return (c.isNull() || (share >= coverage && share <= kMaximumCoverage)) &&
               std::max({std::abs(error.x()), std::abs(error.y()), std::abs(error.z())}) <=
                   kTolerance;
    }
    // Whether a pixel within `radius` of `point` matches `colour`.
    static bool near(const QImage& image, QPoint point, const QColor& colour, int radius = 2,
                     double coverage = kCoverage)
    {
        const QRect around(point - QPoint(radius, radius), point + QPoint(radius, radius));
        return count(image, around, colour, coverage) > 0;
    }
    // How many pixels of `area` match `colour`.
    static int count(const QImage& image, const QRect& area, const QColor& colour,
                     double coverage = kCoverage)
    {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x)
                count += image.valid(x, y) && matches(image.pixel(x, y), colour, coverage) ? 1 : 0;
        }
        return count;
    }
    // How many pixels of `area`, which lies on the image, are not black.
    static int lit(const QImage& image, const QRect& area)
    {
        return area.width() * area.height() - count(image, area, Qt::black);
    }

private:
    static constexpr int kTolerance = 16;
    static constexpr double kMaximumCoverage = 1.1;
};
