#include "BuiltInPictures.h"

#include "BuiltInDrawing.h"
#include "GdiCanvas.h"
#include "GdiPicture.h"

#include <cmath>
#include <memory>

tk::PictureRef BuiltInPictures::make(tk::BuiltInPicture which, double scale)
{
    const tk::PixelSize size = scene::BuiltInDrawing::sizeOf(which);
    auto picture = std::make_shared<GdiPicture>(
        tk::PixelSize{static_cast<int>(std::lround(size.width * scale)),
                      static_cast<int>(std::lround(size.height * scale))});
    if (!picture->bitmap())
        return nullptr;
    const HDC dc = ::CreateCompatibleDC(nullptr);
    const HGDIOBJ old = ::SelectObject(dc, picture->bitmap());
    // The drawing is made in pixels at 96 dots per inch; GDI scales it to the picture's.
    ::SetGraphicsMode(dc, GM_ADVANCED);
    const XFORM toScreen{static_cast<FLOAT>(scale), 0, 0, static_cast<FLOAT>(scale), 0, 0};
    ::SetWorldTransform(dc, &toScreen);
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
