#pragma once

#include "Canvas.h"
#include "Font.h"
#include "Units.h"

#include <windows.h>

#include <unordered_map>
#include <utility>
#include <vector>

// What the face's canvas keeps from one paint to the next: the look of each shape's sprite, and
// the GDI fonts made for the toolkit's fonts on this screen.
class GdiCanvasCache {
public:
    explicit GdiCanvasCache(tk::Units units)
        : m_units(units)
    {
    }
    ~GdiCanvasCache();
    GdiCanvasCache(const GdiCanvasCache&) = delete;
    GdiCanvasCache& operator=(const GdiCanvasCache&) = delete;

    scene::ShapeLook& sprite(scene::SpriteId id) { return m_sprites[id]; }
    // The GDI font for `font`, smoothed or not, made once.
    HFONT font(const tk::Font& font, bool smoothed);

private:
    struct Made {
        tk::Font font;
        bool smoothed;
        HFONT handle;
    };

    tk::Units m_units;
    std::unordered_map<scene::SpriteId, scene::ShapeLook> m_sprites;
    std::vector<Made> m_fonts;
};
