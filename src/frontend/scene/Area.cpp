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

// The columns from `left` up to `right` that a band of an area covers.
struct Columns {
    int left;
    int right;
    bool operator==(const Columns&) const = default;
};

// The columns that the rectangles cover, sorted and joined where they overlap or touch.
void joinColumns(const std::vector<const tk::PixelRect*>& rects, std::vector<Columns>& columns)
{
    columns.clear();
    for (const tk::PixelRect* rect : rects)
        columns.push_back({rect->left, rect->right()});
    std::sort(columns.begin(), columns.end(),
              [](const Columns& a, const Columns& b) { return a.left < b.left; });
    std::size_t kept = 0;
    for (std::size_t i = 1; i < columns.size(); ++i) {
        if (columns[i].left <= columns[kept].right)
            columns[kept].right = std::max(columns[kept].right, columns[i].right);
        else
            columns[++kept] = columns[i];
    }
    columns.resize(columns.empty() ? 0 : kept + 1);
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

// A sweep from the top: between two neighbouring edges of the rectangles, the band's columns
// are those of the rectangles that span it; a band whose columns are those of the band just
// above it lengthens that band's rectangles instead.
std::vector<tk::PixelRect> Area::bands() const
{
    std::vector<int> edges;
    edges.reserve(m_rects.size() * 2);
    for (const tk::PixelRect& rect : m_rects) {
        edges.push_back(rect.top);
        edges.push_back(rect.bottom());
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    std::vector<const tk::PixelRect*> byTop;
    byTop.reserve(m_rects.size());
    for (const tk::PixelRect& rect : m_rects)
        byTop.push_back(&rect);
    std::sort(byTop.begin(), byTop.end(),
              [](const tk::PixelRect* a, const tk::PixelRect* b) { return a->top < b->top; });

    std::vector<tk::PixelRect> bands;
    std::vector<const tk::PixelRect*> spanning;
    spanning.reserve(m_rects.size());
    std::vector<Columns> columns;
    std::vector<Columns> above;
    columns.reserve(m_rects.size());
    above.reserve(m_rects.size());
    std::size_t aboveFrom = 0;
    auto next = byTop.begin();
    for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
        const int top = edges[i];
        const int height = edges[i + 1] - top;
        std::erase_if(spanning, [top](const tk::PixelRect* rect) { return rect->bottom() <= top; });
        for (; next != byTop.end() && (*next)->top == top; ++next)
            spanning.push_back(*next);
        joinColumns(spanning, columns);
        // A band without columns leaves `above` empty, so the band above always ends here.
        if (!columns.empty() && columns == above) {
            for (std::size_t b = aboveFrom; b < bands.size(); ++b)
                bands[b].height += height;
            continue;
        }
        aboveFrom = bands.size();
        for (const Columns& c : columns)
            bands.push_back({c.left, top, c.right - c.left, height});
        std::swap(above, columns);
    }
    return bands;
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
