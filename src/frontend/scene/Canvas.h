#pragma once

#include "Area.h"
#include "Colour.h"
#include "Font.h"
#include "PixelGeometry.h"
#include "ShapeLook.h"

#include <optional>
#include <string>

namespace tk {
class Picture;
}

namespace scene {

// How a pen ends a line: squared off past its end, or rounded.
enum class PenCap { Square, Round };

struct Pen {
    tk::Colour colour = tk::kBlack;
    double width = 1.0;
    PenCap cap = PenCap::Square;
};

// Where a text stands in its box, one flag across and one down.
enum TextFlag : int {
    kAlignLeft = 0x1,
    kAlignRight = 0x2,
    kAlignHCentre = 0x4,
    kAlignTop = 0x20,
    kAlignVCentre = 0x80,
};

// Which sprite: the shape whose sprite it is.
using SpriteId = const void*;

// What the face is painted on: a toolkit's painter (QPainter, a GDI device context) or, in
// tests, a recording. Geometry is in the face's pixels; a canvas for a screen of more dots
// per inch draws with as many device pixels as it has.
class Canvas {
public:
    virtual ~Canvas() = default;

    // Device pixels to each pixel of the face.
    virtual double devicePixelRatio() const = 0;

    // Saves the clip and the render settings, and restores the last saved.
    virtual void save() = 0;
    virtual void restore() = 0;
    // Narrows what is painted to the part of the current clip inside `rect`.
    virtual void clipTo(const tk::PixelRect& rect) = 0;
    virtual void setAntialiasing(bool on) = 0;
    virtual void setTextAntialiasing(bool on) = 0;

    virtual void fillRect(const tk::PixelRect& rect, tk::Colour colour) = 0;
    virtual void drawLine(const tk::PixelLineF& line, const Pen& pen) = 0;
    // An ellipse or a rectangle whose pen is centred on `box`'s edge; without a pen it has
    // no outline, without a fill its inside is left.
    virtual void drawEllipse(const tk::PixelRectF& box, const std::optional<Pen>& pen,
                             std::optional<tk::Colour> fill) = 0;
    virtual void drawRectangle(const tk::PixelRectF& box, const std::optional<Pen>& pen,
                               std::optional<tk::Colour> fill) = 0;
    // One line of text in `box`, placed by `flags` (TextFlag) and cut at the box's edges.
    virtual void drawText(const tk::PixelRectF& box, const std::string& text, const tk::Font& font,
                          tk::Colour colour, int flags) = 0;

    // A picture's size in the face's pixels; its pixels and size stay with the front end.
    virtual tk::PixelSize pictureSize(const tk::Picture& picture) const = 0;
    // The `part` of a picture (its own pixels) drawn at `target`, of the same size.
    virtual void drawPicture(const tk::Picture& picture, const tk::PixelRect& target,
                             const tk::PixelRect& part) = 0;
    // A picture in the middle of `box`, scaled down to fit when it is larger (PictureFit).
    virtual void drawPictureFitted(const tk::Picture& picture, const tk::PixelRect& box) = 0;

    // Draws the sprite `id` anew for `look` (ShapeSprite::draw on a canvas of its own), to
    // keep until it is drawn anew.
    virtual void makeSprite(SpriteId id, const ShapeLook& look) = 0;
    // Copies the sprite `id` with its top left corner at `origin`.
    virtual void drawSprite(SpriteId id, tk::PixelPoint origin) = 0;
};

} // namespace scene
