#pragma once

#include "Canvas.h"
#include "Font.h"
#include "ScreenUnits.h"

#include <QFont>
#include <QImage>

#include <unordered_map>
#include <utility>
#include <vector>

// What the face's canvas keeps from one paint to the next: each shape's sprite image, and the
// Qt fonts made for the toolkit's fonts.
class QtCanvasCache {
public:
    explicit QtCanvasCache(const ScreenUnits& units)
        : m_units(units)
    {
    }

    QImage& sprite(scene::SpriteId id) { return m_sprites[id]; }
    // The Qt font for `font` on this screen, made once.
    const QFont& font(const tk::Font& font);

private:
    const ScreenUnits& m_units;
    std::unordered_map<scene::SpriteId, QImage> m_sprites;
    std::vector<std::pair<tk::Font, QFont>> m_fonts;
};
