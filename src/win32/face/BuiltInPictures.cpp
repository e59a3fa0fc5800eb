#include "BuiltInPictures.h"

#include "BuiltInDrawing.h"
#include "GdiCanvas.h"
#include "GdiPicture.h"

#include <memory>

tk::PictureRef BuiltInPictures::make(tk::BuiltInPicture which)
{
    const tk::PixelSize size = scene::BuiltInDrawing::sizeOf(which);
    auto picture = std::make_shared<GdiPicture>(size);
    if (!picture->bitmap())
        return nullptr;
    const HDC dc = ::CreateCompatibleDC(nullptr);
    const HGDIOBJ old = ::SelectObject(dc, picture->bitmap());
    // A new DIB section is black already, as the drawing expects.
    GdiCanvas canvas(dc);
    if (which == tk::BuiltInPicture::CentreEmblem)
        scene::BuiltInDrawing::drawCentreEmblem(canvas);
    else
        scene::BuiltInDrawing::drawDial(canvas, size);
    ::GdiFlush();
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    return picture;
}
