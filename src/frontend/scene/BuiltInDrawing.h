#pragma once

#include "Canvas.h"
#include "PixelGeometry.h"
#include "Platform.h"

// The pictures that come with the program, drawn by code over a canvas: the centre emblem and
// the full-screen dials of the second clock style. A front end makes a black image of the
// picture's size and draws it there, at its screen's own resolution.
namespace scene::BuiltInDrawing {

// The picture's size in pixels.
tk::PixelSize sizeOf(tk::BuiltInPicture which);
// A small round emblem with two hands, on black, 49 x 49 pixels.
void drawCentreEmblem(Canvas& canvas);
// The dial in the middle of a black field of `size`: a dark disc in the middle, bands of
// brown and marks at the twelve hour positions.
void drawDial(Canvas& canvas, tk::PixelSize size);

} // namespace scene::BuiltInDrawing
