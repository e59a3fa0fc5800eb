#include "FormPainter.h"

#include "GdiPicture.h"
#include "Line.h"
#include "PictureBox.h"

namespace FormPainter {

COLORREF colourRef(tk::Colour colour)
{
    return RGB(tk::redOf(colour), tk::greenOf(colour), tk::blueOf(colour));
}

void drawPicture(HDC dc, const RECT& area, const tk::PictureBox& box, HBRUSH back)
{
    ::FillRect(dc, &area, back);
    const auto* picture = dynamic_cast<const GdiPicture*>(box.picture().get());
    if (!picture)
        return;
    const tk::PixelSize size = picture->size();
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    picture->drawTo(dc,
                    {area.left + (width - size.width) / 2, area.top + (height - size.height) / 2,
                     size.width, size.height},
                    {0, 0, size.width, size.height});
}

void drawLine(HDC dc, const tk::Line& line, POINT origin, const tk::Units& units)
{
    const HPEN pen = ::CreatePen(PS_SOLID, line.borderWidth(), colourRef(line.borderColor()));
    const HGDIOBJ old = ::SelectObject(dc, pen);
    ::MoveToEx(dc, origin.x + units.toWholePixels(line.x1()),
               origin.y + units.toWholePixels(line.y1()), nullptr);
    ::LineTo(dc, origin.x + units.toWholePixels(line.x2()),
             origin.y + units.toWholePixels(line.y2()));
    ::SelectObject(dc, old);
    ::DeleteObject(pen);
}

} // namespace FormPainter
