#pragma once

#include "Colour.h"
#include "Units.h"

#include <windows.h>

namespace tk {
class Line;
class PictureBox;
} // namespace tk

// What a dialog draws itself: the pictures of its picture boxes and its lines, which have no
// windows of their own.
namespace FormPainter {

COLORREF colourRef(tk::Colour colour);
// The box's picture in the middle of `area`, on the box's back colour in `back`.
void drawPicture(HDC dc, const RECT& area, const tk::PictureBox& box, HBRUSH back);
// The line, whose ends are relative to its container, which stands at `origin` in pixels.
void drawLine(HDC dc, const tk::Line& line, POINT origin, const tk::Units& units);

} // namespace FormPainter
