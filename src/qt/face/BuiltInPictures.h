#pragma once

#include "Platform.h"

#include <QImage>
#include <QSize>

// The pictures that come with the program as Qt images: the scene draws them (BuiltInDrawing)
// over a canvas on a black image of their size.
namespace BuiltInPictures {

// The picture for the toolkit, drawn for a screen of `devicePixelRatio` device pixels to each
// of its pixels; a dial is drawn only when it is first painted.
tk::PictureRef make(tk::BuiltInPicture which, double devicePixelRatio = 1.0);
// The picture's image, drawn now.
QImage draw(tk::BuiltInPicture which, double devicePixelRatio);

} // namespace BuiltInPictures
