#pragma once

#include "Canvas.h"

class QPainter;
class QtCanvasCache;

// The scene's canvas over a QPainter. A canvas with a cache keeps the face's sprites and fonts
// there from one paint to the next; one without draws shapes, lines and pictures only.
class QtCanvas : public scene::Canvas {
public:
    explicit QtCanvas(QPainter& painter, QtCanvasCache* cache = nullptr)
        : m_painter(painter)
        , m_cache(cache)
    {
    }
    double devicePixelRatio() const override;
    void save() override;
    void restore() override;
    void clipTo(const tk::PixelRect& rect) override;
    void setAntialiasing(bool on) override;
    void setTextAntialiasing(bool on) override;
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
    void setOutlineAndFill(const std::optional<scene::Pen>& pen, std::optional<tk::Colour> fill);

    QPainter& m_painter;
    QtCanvasCache* m_cache;
};
