#pragma once

#include "Picture.h"
#include "PixelGeometry.h"

#include <windows.h>

#include <cstdint>

// A picture kept as a 32-bit top-down DIB section, ready to be copied to the screen. A picture
// with transparent pixels holds them premultiplied, as AlphaBlend takes them.
class GdiPicture : public tk::Picture {
public:
    // A black picture of `size`, or one whose bitmap() is null when it cannot be made.
    explicit GdiPicture(tk::PixelSize size, bool transparent = false);
    ~GdiPicture() override;
    GdiPicture(const GdiPicture&) = delete;
    GdiPicture& operator=(const GdiPicture&) = delete;

    HBITMAP bitmap() const { return m_bitmap; }
    tk::PixelSize size() const { return m_size; }
    bool transparent() const { return m_transparent; }
    // The pixels, row after row from the top, four bytes each (blue, green, red, alpha).
    std::uint8_t* bits() const { return m_bits; }
    std::size_t stride() const { return static_cast<std::size_t>(m_size.width) * 4; }

    // Marks the picture transparent when any of its pixels is, after its pixels are filled.
    void findTransparency();
    // Copies the `part` of the picture to `target` on `dc`, scaled when their sizes differ.
    void drawTo(HDC dc, const tk::PixelRect& target, const tk::PixelRect& part) const;

private:
    tk::PixelSize m_size;
    bool m_transparent;
    HBITMAP m_bitmap = nullptr;
    std::uint8_t* m_bits = nullptr;
};
