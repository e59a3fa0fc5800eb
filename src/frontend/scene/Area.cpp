#include "Area.h"

#include <algorithm>

namespace scene {

namespace {

// The first and last pixel a rectangle covers along one axis. One of negative size covers
// the pixels before its start; one of no size ends before it begins.
struct Span {
    int first;
    int last;
};

Span spanOf(int start, int size)
{
    return size < 0 ? Span{start + size, start - 1} : Span{start, start + size - 1};
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

bool rectsMeet(const tk::PixelRect& a, const tk::PixelRect& b)
{
    if ((a.width == 0 && a.height == 0) || (b.width == 0 && b.height == 0))
        return false;
    return meets(spanOf(a.left, a.width), spanOf(b.left, b.width)) &&
           meets(spanOf(a.top, a.height), spanOf(b.top, b.height));
}

bool Area::intersects(const tk::PixelRect& rect) const
{
    return std::any_of(m_rects.begin(), m_rects.end(),
                       [&rect](const tk::PixelRect& part) { return rectsMeet(part, rect); });
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
