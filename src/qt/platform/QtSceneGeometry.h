#pragma once

#include "Area.h"
#include "PixelGeometry.h"

#include <QLineF>
#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QRegion>
#include <QSize>

#include <cstddef>
#include <vector>

// The pixel geometry of the shared rules in Qt's types and back, at the Qt layer's edge.
namespace QtSceneGeometry {

inline QRect toQt(const tk::PixelRect& rect)
{
    return {rect.left, rect.top, rect.width, rect.height};
}

inline QRectF toQt(const tk::PixelRectF& rect)
{
    return {rect.left, rect.top, rect.width, rect.height};
}

inline QLineF toQt(const tk::PixelLineF& line)
{
    return {line.from.x, line.from.y, line.to.x, line.to.y};
}

inline QSize toQt(tk::PixelSize size)
{
    return {size.width, size.height};
}

inline QPoint toQt(tk::PixelPoint point)
{
    return {point.x, point.y};
}

// The area as a Qt region, handed over in the form Qt keeps one in.
inline QRegion toQt(const scene::Area& area)
{
    const std::vector<tk::PixelRect> bands = area.bands();
    std::vector<QRect> rects;
    rects.reserve(bands.size());
    for (const tk::PixelRect& band : bands)
        rects.push_back(toQt(band));
    QRegion region;
    region.setRects(rects.data(), int(rects.size()));
    return region;
}

inline scene::Area toScene(const QRegion& region)
{
    scene::Area area;
    for (const QRect& rect : region)
        area += tk::PixelRect(rect.x(), rect.y(), rect.width(), rect.height());
    return area;
}

inline tk::PixelSize toScene(QSize size)
{
    return {size.width(), size.height()};
}

inline tk::PixelRect toScene(const QRect& rect)
{
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

} // namespace QtSceneGeometry
