#include "GdiCanvas.h"

#include "GdiCanvasCache.h"
#include "GdiPicture.h"
#include "PictureFit.h"
#include "ShapeSprite.h"
#include "WideText.h"

#include <algorithm>
#include <cmath>

namespace {

int whole(double pixels)
{
    return static_cast<int>(std::lround(pixels));
}

// The scene's colours are packed as Windows' own, red in the lowest byte.
COLORREF gdiColour(tk::Colour colour)
{
    return RGB(tk::redOf(colour), tk::greenOf(colour), tk::blueOf(colour));
}

HPEN makePen(const scene::Pen& pen)
{
    const LOGBRUSH brush{BS_SOLID, gdiColour(pen.colour), 0};
    const DWORD cap = pen.cap == scene::PenCap::Round ? PS_ENDCAP_ROUND : PS_ENDCAP_SQUARE;
    const DWORD width = static_cast<DWORD>(std::max(1L, std::lround(pen.width)));
    return ::ExtCreatePen(PS_GEOMETRIC | PS_SOLID | cap | PS_JOIN_MITER, width, &brush, 0, nullptr);
}

UINT textFormat(int flags)
{
    UINT format = DT_SINGLELINE | DT_NOPREFIX;
    if (flags & scene::kAlignRight)
        format |= DT_RIGHT;
    else if (flags & scene::kAlignHCentre)
        format |= DT_CENTER;
    if (flags & scene::kAlignVCentre)
        format |= DT_VCENTER;
    return format;
}

// Every picture of this program is a GdiPicture.
const GdiPicture* gdiPictureOf(const tk::Picture& picture)
{
    return dynamic_cast<const GdiPicture*>(&picture);
}

} // namespace

void GdiCanvas::save()
{
    ::SaveDC(m_dc);
}

void GdiCanvas::restore()
{
    ::RestoreDC(m_dc, -1);
}

void GdiCanvas::clipTo(const tk::PixelRect& rect)
{
    ::IntersectClipRect(m_dc, rect.left, rect.top, rect.right(), rect.bottom());
}

void GdiCanvas::fillRect(const tk::PixelRect& rect, tk::Colour colour)
{
    const HBRUSH brush = ::CreateSolidBrush(gdiColour(colour));
    const RECT area{rect.left, rect.top, rect.right(), rect.bottom()};
    ::FillRect(m_dc, &area, brush);
    ::DeleteObject(brush);
}

void GdiCanvas::drawLine(const tk::PixelLineF& line, const scene::Pen& pen)
{
    const HPEN gdiPen = makePen(pen);
    const HGDIOBJ old = ::SelectObject(m_dc, gdiPen);
    ::MoveToEx(m_dc, whole(line.from.x), whole(line.from.y), nullptr);
    ::LineTo(m_dc, whole(line.to.x), whole(line.to.y));
    ::SelectObject(m_dc, old);
    ::DeleteObject(gdiPen);
}

void GdiCanvas::drawClosed(BOOL(WINAPI* draw)(HDC, int, int, int, int), const tk::PixelRectF& box,
                           const std::optional<scene::Pen>& pen, std::optional<tk::Colour> fill)
{
    const HPEN gdiPen = pen ? makePen(*pen) : nullptr;
    const HBRUSH brush = fill ? ::CreateSolidBrush(gdiColour(*fill)) : nullptr;
    const HGDIOBJ oldPen = ::SelectObject(m_dc, gdiPen ? gdiPen : ::GetStockObject(NULL_PEN));
    const HGDIOBJ oldBrush =
        ::SelectObject(m_dc, brush ? static_cast<HGDIOBJ>(brush) : ::GetStockObject(NULL_BRUSH));
    // Without a pen GDI leaves out the right and bottom edges of the box, which a pen would
    // have covered; the fill then reaches them itself.
    const int grow = gdiPen ? 0 : 1;
    draw(m_dc, whole(box.left), whole(box.top), whole(box.right()) + grow,
         whole(box.bottom()) + grow);
    ::SelectObject(m_dc, oldBrush);
    ::SelectObject(m_dc, oldPen);
    if (brush)
        ::DeleteObject(brush);
    if (gdiPen)
        ::DeleteObject(gdiPen);
}

void GdiCanvas::drawEllipse(const tk::PixelRectF& box, const std::optional<scene::Pen>& pen,
                            std::optional<tk::Colour> fill)
{
    drawClosed(::Ellipse, box, pen, fill);
}

void GdiCanvas::drawRectangle(const tk::PixelRectF& box, const std::optional<scene::Pen>& pen,
                              std::optional<tk::Colour> fill)
{
    drawClosed(::Rectangle, box, pen, fill);
}

void GdiCanvas::drawText(const tk::PixelRectF& box, const std::string& text, const tk::Font& font,
                         tk::Colour colour, int flags)
{
    if (!m_cache || text.empty())
        return;
    const std::wstring wide = os::wideText::fromUtf8(text);
    RECT area{whole(box.left), whole(box.top), whole(box.right()), whole(box.bottom())};
    const HGDIOBJ oldFont = ::SelectObject(m_dc, m_cache->font(font, m_smoothText));
    const int oldMode = ::SetBkMode(m_dc, TRANSPARENT);
    const COLORREF oldColour = ::SetTextColor(m_dc, gdiColour(colour));
    ::DrawTextW(m_dc, wide.c_str(), static_cast<int>(wide.size()), &area, textFormat(flags));
    ::SetTextColor(m_dc, oldColour);
    ::SetBkMode(m_dc, oldMode);
    ::SelectObject(m_dc, oldFont);
}

tk::PixelSize GdiCanvas::pictureSize(const tk::Picture& picture) const
{
    const GdiPicture* gdi = gdiPictureOf(picture);
    return gdi ? gdi->size() : tk::PixelSize{};
}

void GdiCanvas::drawPicture(const tk::Picture& picture, const tk::PixelRect& target,
                            const tk::PixelRect& part)
{
    if (const GdiPicture* gdi = gdiPictureOf(picture))
        gdi->drawTo(m_dc, target, part);
}

void GdiCanvas::drawPictureFitted(const tk::Picture& picture, const tk::PixelRect& box)
{
    const GdiPicture* gdi = gdiPictureOf(picture);
    if (!gdi)
        return;
    const tk::PixelSize shown = scene::PictureFit::shownSize(gdi->size(), box.size());
    gdi->drawTo(m_dc, {scene::PictureFit::centredIn(box, shown), shown}, {{0, 0}, gdi->size()});
}

void GdiCanvas::makeSprite(scene::SpriteId id, const scene::ShapeLook& look)
{
    if (m_cache)
        m_cache->sprite(id) = look;
}

void GdiCanvas::drawSprite(scene::SpriteId id, tk::PixelPoint origin)
{
    if (!m_cache)
        return;
    save();
    ::OffsetViewportOrgEx(m_dc, origin.x, origin.y, nullptr);
    scene::ShapeSprite::draw(*this, m_cache->sprite(id));
    restore();
}
