#include "ShapeSprite.h"

#include "Shape.h"

#include <algorithm>
#include <cmath>

namespace scene::ShapeSprite {

namespace {

bool isRound(int kind)
{
    return kind == static_cast<int>(tk::ShapeKind::Circle) ||
           kind == static_cast<int>(tk::ShapeKind::Oval);
}

// Colours as they are drawn: red, green and blue, without whatever else the number holds.
tk::Colour drawnColour(tk::Colour colour)
{
    return tk::rgb(tk::redOf(colour), tk::greenOf(colour), tk::blueOf(colour));
}

} // namespace

tk::PixelRectF shapeBox(const tk::Shape& shape, tk::PixelRectF box)
{
    if (shape.shape() == tk::ShapeKind::Circle || shape.shape() == tk::ShapeKind::Square) {
        const double side = std::min(box.width, box.height);
        const tk::PixelPointF centre = box.centre();
        box = {centre.x - side / 2, centre.y - side / 2, side, side};
    }
    return box;
}

ShapeLook lookOf(const tk::Shape& shape, const tk::PixelRectF& box, double devicePixelRatio)
{
    ShapeLook look;
    look.devicePixelRatio = devicePixelRatio;
    look.kind = static_cast<int>(shape.shape());
    look.size = box.size();
    look.outlined = shape.borderStyle() == tk::BorderStyle::Solid && shape.borderWidth() > 0;
    look.borderWidth = look.outlined ? shape.borderWidth() : 0;
    look.borderColour = look.outlined ? drawnColour(shape.borderColor()) : 0;
    look.opaque = shape.backStyle() == tk::BackStyle::Opaque;
    look.backColour = look.opaque ? drawnColour(shape.backColor()) : 0;
    return look;
}

tk::PixelSize spriteSize(const ShapeLook& look)
{
    return {static_cast<int>(std::ceil(look.size.width)) + 2 * kMargin,
            static_cast<int>(std::ceil(look.size.height)) + 2 * kMargin};
}

tk::PixelPoint spriteOrigin(const tk::PixelRectF& box)
{
    return {static_cast<int>(std::lround(box.left)) - kMargin,
            static_cast<int>(std::lround(box.top)) - kMargin};
}

// The border is drawn inside the shape's box, so a circle never grows past its bounds.
void draw(Canvas& canvas, const ShapeLook& look)
{
    canvas.setAntialiasing(true);
    tk::PixelRectF box{kMargin, kMargin, look.size.width, look.size.height};
    std::optional<Pen> pen;
    if (look.outlined) {
        const double inset = look.borderWidth / 2.0;
        box.adjust(inset, inset, -inset, -inset);
        pen = Pen{look.borderColour, static_cast<double>(look.borderWidth)};
    }
    std::optional<tk::Colour> fill;
    if (look.opaque)
        fill = look.backColour;
    if (isRound(look.kind))
        canvas.drawEllipse(box, pen, fill);
    else
        canvas.drawRectangle(box, pen, fill);
}

} // namespace scene::ShapeSprite
