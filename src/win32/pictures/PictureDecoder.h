#pragma once

#include "Picture.h"
#include "PixelGeometry.h"

#include <string_view>

// Decodes picture files with the Windows Imaging Component, within the shared picture limits:
// the bytes are checked whole before any decoder sees them (a GIF's canvas read from its header
// first), and a picture is scaled down by WIC's own scaler to the size it is shown at.
namespace PictureDecoder {

// The picture that a whole file's bytes hold, or null, at `scale` times its own pixels. A
// picture larger than `fit` is scaled to the largest size of its proportions that fits, and one
// that reaches past `clip` is kept only as far as it; an empty size bounds nothing.
tk::PictureRef decode(std::string_view wholeFile, tk::PixelSize fit = {}, tk::PixelSize clip = {},
                      double scale = 1.0);

} // namespace PictureDecoder
