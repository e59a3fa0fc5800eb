#pragma once

#include "Canvas.h"
#include "PixelGeometry.h"
#include "ShapeLook.h"

namespace tk {
class Shape;
}

// A shape of the face is drawn once into a sprite and copied from there wherever the shape
// stands. Antialiased circles cost far more to draw than to copy, and the clock's circles
// change their place every second but their look seldom. The shape is placed on whole pixels
// so that one sprite serves every place.
namespace scene::ShapeSprite {

// Room around the shape's box for antialiasing; the border is drawn inside the box.
inline constexpr int kMargin = 2;

// The box (pixels) that a shape is drawn in: its bounds, made square around their centre for
// a circle or a square.
tk::PixelRectF shapeBox(const tk::Shape& shape, tk::PixelRectF bounds);
// The look of a shape drawn in `box` on a canvas of `devicePixelRatio`.
ShapeLook lookOf(const tk::Shape& shape, const tk::PixelRectF& box, double devicePixelRatio);
// The sprite's size in pixels: the box, rounded up, with the margin all round.
tk::PixelSize spriteSize(const ShapeLook& look);
// Where the sprite's top left corner stands for a shape drawn in `box`.
tk::PixelPoint spriteOrigin(const tk::PixelRectF& box);
// Draws the shape of `look` on a clear canvas of the sprite's size.
void draw(Canvas& canvas, const ShapeLook& look);

} // namespace scene::ShapeSprite
