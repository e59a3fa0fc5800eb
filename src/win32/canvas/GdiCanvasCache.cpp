#include "GdiCanvasCache.h"

#include "WideText.h"

GdiCanvasCache::~GdiCanvasCache()
{
    for (const Made& made : m_fonts)
        ::DeleteObject(made.handle);
}

HFONT GdiCanvasCache::font(const tk::Font& font, bool smoothed)
{
    for (const Made& made : m_fonts) {
        if (made.font == font && made.smoothed == smoothed)
            return made.handle;
    }
    // A negative height asks for the size of the characters themselves, as points measure it.
    const int height = -m_units.fontPixels(font.size);
    const HFONT handle =
        ::CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                      DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                      smoothed ? ANTIALIASED_QUALITY : NONANTIALIASED_QUALITY,
                      DEFAULT_PITCH | FF_DONTCARE, os::wideText::fromUtf8(font.name).c_str());
    m_fonts.push_back({font, smoothed, handle});
    return handle;
}
