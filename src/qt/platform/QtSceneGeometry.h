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

// The region of rects[from, to). Each union costs the rectangles of both sides, so joining
// halves costs the list's length a level, where adding one rectangle at a time would cost the
// square of it: a moved line's area is a few dozen overlapping squares.
inline QRegion unitedRegion(const std::vector<tk::PixelRect>& rects, std::size_t from,
                            std::size_t to)
{
    if (to - from == 1)
        return QRegion(toQt(rects[from]));
    const std::size_t middle = from + (to - from) / 2;
    return unitedRegion(rects, from, middle).united(unitedRegion(rects, middle, to));
}

inline QRegion toQt(const scene::Area& area)
{
    return area.isEmpty() ? QRegion() : unitedRegion(area.rects(), 0, area.rects().size());
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
