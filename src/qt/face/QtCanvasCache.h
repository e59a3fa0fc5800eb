#pragma once

#include "Canvas.h"
#include "Font.h"
#include "LaidOutText.h"
#include "ScreenUnits.h"

#include <QFont>
#include <QImage>

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

// What the face's canvas keeps from one paint to the next: each shape's sprite image, the Qt
// fonts made for the toolkit's fonts, and the texts laid out in them.
class QtCanvasCache {
public:
    explicit QtCanvasCache(const ScreenUnits& units)
        : m_units(units)
    {
    }

    QImage& sprite(scene::SpriteId id) { return m_sprites[id]; }
    // The Qt font for `font` on this screen, made once.
    const QFont& font(const tk::Font& font);
    // `text` laid out in `deviceFont`, the Qt font for `font` as a painter holds it for its
    // device of `dpi` dots per inch, laid out once.
    const LaidOutText& laidOut(const std::string& text, const tk::Font& font,
                               const QFont& deviceFont, int dpi);

private:
    struct TextKey {
        std::string text;
        tk::Font font;
        int dpi;
        bool operator==(const TextKey&) const = default;
    };
    struct TextKeyHash {
        std::size_t operator()(const TextKey& key) const;
    };

    const ScreenUnits& m_units;
    std::unordered_map<scene::SpriteId, QImage> m_sprites;
    std::vector<std::pair<tk::Font, QFont>> m_fonts;
    std::unordered_map<TextKey, LaidOutText, TextKeyHash> m_texts;
};
