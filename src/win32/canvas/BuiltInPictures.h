#pragma once

#include "Platform.h"

// The pictures that come with the program, drawn by the shared drawing code with GDI on a black
// picture of their size times `scale`, the screen's pixels to each pixel at 96 dots per inch,
// so that they keep their size in inches and stay sharp.
namespace BuiltInPictures {

tk::PictureRef make(tk::BuiltInPicture which, double scale);

} // namespace BuiltInPictures
