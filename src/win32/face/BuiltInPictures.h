#pragma once

#include "Platform.h"

// The pictures that come with the program, drawn by the shared drawing code with GDI on a black
// picture of their size.
namespace BuiltInPictures {

tk::PictureRef make(tk::BuiltInPicture which);

} // namespace BuiltInPictures
