#include "FaceGeometry.h"

#include "Line.h"
#include "Shape.h"

#include <algorithm>
#include <cmath>

namespace scene {

namespace {

// Room around a control's pen that antialiasing may touch.
constexpr int kAntialiasMargin = 2;
// A line from pixel a to pixel b runs through the centres of those pixels.
constexpr double kPixelCentre = 0.5;
// The length of each piece of a line whose surrounding square joins the line's area.
constexpr double kLinePieceLength = 64.0;

int penWidthOf(const tk::Control& control)
{
    switch (control.kind()) {
    case tk::ControlKind::Shape:
        return static_cast<const tk::Shape&>(control).borderWidth();
    case tk::ControlKind::Line:
        return static_cast<const tk::Line&>(control).borderWidth();
    default:
        return 0;
    }
}

// The room around a line's middle that its pen and antialiasing may touch.
double lineMargin(int penWidth)
{
    return std::max(1, penWidth) + kAntialiasMargin;
}

// The rectangle between two points, however they lie.
tk::PixelRectF between(tk::PixelPointF from, tk::PixelPointF to)
{
    tk::PixelRectF rect{from.x, from.y, to.x - from.x, to.y - from.y};
    if (rect.width < 0) {
        rect.left += rect.width;
        rect.width = -rect.width;
    }
    if (rect.height < 0) {
        rect.top += rect.height;
        rect.height = -rect.height;
    }
    return rect;
}

// Whether the segment comes within `margin` of the rectangle (Liang and Barsky's clipping).
bool segmentReaches(const tk::PixelLineF& line, const tk::PixelRect& rect, double margin)
{
    const tk::PixelRectF box =
        tk::PixelRectF{static_cast<double>(rect.left), static_cast<double>(rect.top),
                       static_cast<double>(rect.width), static_cast<double>(rect.height)}
            .adjusted(-margin, -margin, margin, margin);
    const double dx = line.dx();
    const double dy = line.dy();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {line.from.x - box.left, box.right() - line.from.x, line.from.y - box.top,
                         box.bottom() - line.from.y};
    double from = 0.0;
    double to = 1.0;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            from = std::max(from, t);
        else
            to = std::min(to, t);
        if (from > to)
            return false;
    }
    return true;
}

} // namespace

tk::PixelRectF FaceGeometry::toPixels(const tk::Bounds& bounds) const
{
    return {m_units.toPixels(bounds.left), m_units.toPixels(bounds.top),
            m_units.toPixels(bounds.width), m_units.toPixels(bounds.height)};
}

tk::PixelRect FaceGeometry::paintedArea(const tk::Control& control, const tk::Bounds& bounds) const
{
    const double margin = penWidthOf(control) + kAntialiasMargin;
    return toPixels(bounds).adjusted(-margin, -margin, margin, margin).alignedRect();
}

tk::PixelLineF FaceGeometry::pixelLine(const tk::Line& line) const
{
    return {
        {m_units.toPixels(line.x1()) + kPixelCentre, m_units.toPixels(line.y1()) + kPixelCentre},
        {m_units.toPixels(line.x2()) + kPixelCentre, m_units.toPixels(line.y2()) + kPixelCentre}};
}

Area FaceGeometry::lineArea(const tk::PixelLineF& line, int penWidth)
{
    const double margin = lineMargin(penWidth);
    const int pieces = std::max(1, static_cast<int>(std::ceil(line.length() / kLinePieceLength)));
    Area area;
    for (int i = 0; i < pieces; ++i) {
        const tk::PixelPointF from = line.pointAt(static_cast<double>(i) / pieces);
        const tk::PixelPointF to = line.pointAt(static_cast<double>(i + 1) / pieces);
        area += between(from, to).adjusted(-margin, -margin, margin, margin).alignedRect();
    }
    return area;
}

bool FaceGeometry::reaches(const tk::Control& control, const Area& area) const
{
    const tk::PixelRect box = paintedArea(control, control.bounds());
    if (!area.intersects(box))
        return false;
    if (control.kind() != tk::ControlKind::Line)
        return true;
    const auto& line = static_cast<const tk::Line&>(control);
    const tk::PixelLineF pixels = pixelLine(line);
    const double margin = lineMargin(line.borderWidth());
    return std::any_of(area.rects().begin(), area.rects().end(), [&](const tk::PixelRect& part) {
        return rectsMeet(part, box) && segmentReaches(pixels, part, margin);
    });
}

} // namespace scene
