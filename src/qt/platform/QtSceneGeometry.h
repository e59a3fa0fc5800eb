#pragma once

#include "Area.h"
#include "PixelGeometry.h"

#include <QLineF>
#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QRegion>
#include <QSize>

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

// Rectangles in a region's own order join it quickly, one after another.
inline QRegion toQt(const scene::Area& area)
{
    QRegion region;
    for (const tk::PixelRect& rect : area.rects())
        region += toQt(rect);
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
