#include "GdiPicture.h"

GdiPicture::GdiPicture(tk::PixelSize size, bool transparent)
    : m_size(size)
    , m_transparent(transparent)
{
    if (size.isEmpty())
        return;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size.width;
    // A negative height makes the rows run from the top, as every decoder gives them.
    info.bmiHeader.biHeight = -size.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (m_bitmap)
        m_bits = static_cast<std::uint8_t*>(bits);
}

GdiPicture::~GdiPicture()
{
    if (m_bitmap)
        ::DeleteObject(m_bitmap);
}

void GdiPicture::findTransparency()
{
    m_transparent = false;
    if (!m_bits)
        return;
    const std::size_t end = stride() * static_cast<std::size_t>(m_size.height);
    for (std::size_t alpha = 3; alpha < end && !m_transparent; alpha += 4)
        m_transparent = m_bits[alpha] != 0xFF;
}

void GdiPicture::drawTo(HDC dc, const tk::PixelRect& target, const tk::PixelRect& part) const
{
    if (!m_bitmap || target.isEmpty() || part.isEmpty())
        return;
    const HDC source = ::CreateCompatibleDC(dc);
    const HGDIOBJ old = ::SelectObject(source, m_bitmap);
    if (m_transparent) {
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        ::GdiAlphaBlend(dc, target.left, target.top, target.width, target.height, source, part.left,
                        part.top, part.width, part.height, blend);
    } else if (target.size() == part.size()) {
        ::BitBlt(dc, target.left, target.top, target.width, target.height, source, part.left,
                 part.top, SRCCOPY);
    } else {
        // HALFTONE averages the pixels that a smaller copy leaves out, as a scaler would.
        const int oldMode = ::SetStretchBltMode(dc, HALFTONE);
        POINT origin;
        ::SetBrushOrgEx(dc, 0, 0, &origin);
        ::StretchBlt(dc, target.left, target.top, target.width, target.height, source, part.left,
                     part.top, part.width, part.height, SRCCOPY);
        ::SetBrushOrgEx(dc, origin.x, origin.y, nullptr);
        ::SetStretchBltMode(dc, oldMode);
    }
    ::SelectObject(source, old);
    ::DeleteDC(source);
}
