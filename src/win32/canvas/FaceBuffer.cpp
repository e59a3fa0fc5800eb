#include "FaceBuffer.h"

#include "GdiCanvas.h"

FaceBuffer::FaceBuffer(const tk::Window& window, tk::Units units, tk::PixelSize faceSize)
    : m_walk(window, units, faceSize)
    , m_cache(units)
    , m_picture(faceSize)
{
    m_dc = ::CreateCompatibleDC(nullptr);
    if (m_dc && m_picture.bitmap())
        m_oldBitmap = ::SelectObject(m_dc, m_picture.bitmap());
}

FaceBuffer::~FaceBuffer()
{
    if (m_oldBitmap)
        ::SelectObject(m_dc, m_oldBitmap);
    if (m_dc)
        ::DeleteDC(m_dc);
}

void FaceBuffer::paint(const scene::Area& area)
{
    if (!m_oldBitmap || area.isEmpty())
        return;
    HRGN clip = ::CreateRectRgn(0, 0, 0, 0);
    for (const tk::PixelRect& rect : area.rects()) {
        HRGN part = ::CreateRectRgn(rect.left, rect.top, rect.right(), rect.bottom());
        ::CombineRgn(clip, clip, part, RGN_OR);
        ::DeleteObject(part);
    }
    ::SaveDC(m_dc);
    ::SelectClipRgn(m_dc, clip);
    ::DeleteObject(clip);
    GdiCanvas canvas(m_dc, &m_cache);
    m_walk.paint(canvas, area);
    ::RestoreDC(m_dc, -1);
    // GDI may hold the drawing back in a batch; the copy to the screen must see all of it.
    ::GdiFlush();
}

void FaceBuffer::showIn(HDC dc, const RECT& rect, const RECT& face) const
{
    if (!m_oldBitmap)
        return;
    const tk::PixelSize own = size();
    const int width = face.right - face.left;
    const int height = face.bottom - face.top;
    if (width == own.width && height == own.height) {
        ::BitBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, m_dc,
                 rect.left - face.left, rect.top - face.top, SRCCOPY);
        return;
    }
    ::SetStretchBltMode(dc, HALFTONE);
    ::SetBrushOrgEx(dc, 0, 0, nullptr);
    ::StretchBlt(dc, face.left, face.top, width, height, m_dc, 0, 0, own.width, own.height,
                 SRCCOPY);
}
