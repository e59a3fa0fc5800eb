#pragma once

#include "Canvas.h"

#include <windows.h>

class GdiCanvasCache;

// The scene's canvas over a GDI device context, in the context's own pixels. GDI draws no
// antialiased shapes, so a shape's sprite is drawn straight where it stands, as fast as a copy
// and the same pixels. A canvas with a cache keeps the sprites' looks and the fonts there from
// one paint to the next; one without draws shapes, lines and pictures only.
class GdiCanvas : public scene::Canvas {
public:
    explicit GdiCanvas(HDC dc, GdiCanvasCache* cache = nullptr)
        : m_dc(dc)
        , m_cache(cache)
    {
    }
    double devicePixelRatio() const override { return 1.0; }
    void save() override;
    void restore() override;
    void clipTo(const tk::PixelRect& rect) override;
    void setAntialiasing(bool) override {}
    void setTextAntialiasing(bool on) override { m_smoothText = on; }
    void fillRect(const tk::PixelRect& rect, tk::Colour colour) override;
    void drawLine(const tk::PixelLineF& line, const scene::Pen& pen) override;
    void drawEllipse(const tk::PixelRectF& box, const std::optional<scene::Pen>& pen,
                     std::optional<tk::Colour> fill) override;
    void drawRectangle(const tk::PixelRectF& box, const std::optional<scene::Pen>& pen,
                       std::optional<tk::Colour> fill) override;
    void drawText(const tk::PixelRectF& box, const std::string& text, const tk::Font& font,
                  tk::Colour colour, int flags) override;
    tk::PixelSize pictureSize(const tk::Picture& picture) const override;
    void drawPicture(const tk::Picture& picture, const tk::PixelRect& target,
                     const tk::PixelRect& part) override;
    void drawPictureFitted(const tk::Picture& picture, const tk::PixelRect& box) override;
    void makeSprite(scene::SpriteId id, const scene::ShapeLook& look) override;
    void drawSprite(scene::SpriteId id, tk::PixelPoint origin) override;

private:
    // Draws a closed shape with GDI's `draw` (Ellipse, Rectangle) in `box`, outlined by `pen`
    // and filled with `fill`, each where given.
    void drawClosed(BOOL(WINAPI* draw)(HDC, int, int, int, int), const tk::PixelRectF& box,
                    const std::optional<scene::Pen>& pen, std::optional<tk::Colour> fill);

    HDC m_dc;
    GdiCanvasCache* m_cache;
    bool m_smoothText = false;
};
