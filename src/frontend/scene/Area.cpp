#include "Area.h"

#include <algorithm>

namespace scene {

namespace {

// The first and last pixel a rectangle covers along one axis, with its ends put in order
// when its size is not positive, as Qt's rectangles have them.
struct Span {
    int first;
    int last;
};

Span spanOf(int start, int size)
{
    const int last = start + size - 1;
    return last < start ? Span{last, start} : Span{start, last};
}

bool meets(Span a, Span b)
{
    return a.last >= b.first && a.first <= b.last;
}

} // namespace

tk::PixelRect Area::boundingRect() const
{
    if (m_rects.empty())
        return {};
    int left = m_rects.front().left;
    int top = m_rects.front().top;
    int right = m_rects.front().right();
    int bottom = m_rects.front().bottom();
    for (const tk::PixelRect& rect : m_rects) {
        left = std::min(left, rect.left);
        top = std::min(top, rect.top);
        right = std::max(right, rect.right());
        bottom = std::max(bottom, rect.bottom());
    }
    return {left, top, right - left, bottom - top};
}

bool Area::contains(tk::PixelPoint point) const
{
    return std::any_of(m_rects.begin(), m_rects.end(), [point](const tk::PixelRect& rect) {
        return point.x >= rect.left && point.x < rect.right() && point.y >= rect.top &&
               point.y < rect.bottom();
    });
}

bool Area::intersects(const tk::PixelRect& rect) const
{
    if (m_rects.empty() || (rect.width == 0 && rect.height == 0))
        return false;
    const Span across = spanOf(rect.left, rect.width);
    const Span down = spanOf(rect.top, rect.height);
    return std::any_of(m_rects.begin(), m_rects.end(), [&](const tk::PixelRect& part) {
        return meets(across, spanOf(part.left, part.width)) &&
               meets(down, spanOf(part.top, part.height));
    });
}

void Area::unite(const tk::PixelRect& rect)
{
    if (!rect.isEmpty())
        m_rects.push_back(rect);
}

void Area::unite(const Area& other)
{
    m_rects.insert(m_rects.end(), other.m_rects.begin(), other.m_rects.end());
}

// Each rectangle that the cut meets leaves up to four pieces: the rows above and below the
// cut, and the parts beside it on the rows between.
void Area::subtract(const tk::PixelRect& cut)
{
    if (cut.isEmpty())
        return;
    std::vector<tk::PixelRect> kept;
    kept.reserve(m_rects.size() + 4);
    for (const tk::PixelRect& rect : m_rects) {
        const tk::PixelRect common = rect.intersected(cut);
        if (common.isEmpty()) {
            kept.push_back(rect);
            continue;
        }
        const tk::PixelRect pieces[] = {
            {rect.left, rect.top, rect.width, common.top - rect.top},
            {rect.left, common.bottom(), rect.width, rect.bottom() - common.bottom()},
            {rect.left, common.top, common.left - rect.left, common.height},
            {common.right(), common.top, rect.right() - common.right(), common.height},
        };
        for (const tk::PixelRect& piece : pieces) {
            if (!piece.isEmpty())
                kept.push_back(piece);
        }
    }
    m_rects = std::move(kept);
}

} // namespace scene
