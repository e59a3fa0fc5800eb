#pragma once

#include "PixelGeometry.h"

#include <algorithm>
#include <cstdint>

// How a picture shows in a box: whole when it fits, else scaled down to fit, keeping its
// proportions, never enlarged; and in the box's middle. Picture boxes, the window's picture
// and the dialogs' previews all follow this one rule.
namespace scene::PictureFit {

// Whether a picture of `picture` pixels shows at its own size in a box of `box`; a box of no
// size leaves every picture as it is.
inline bool fitsWhole(tk::PixelSize picture, tk::PixelSize box)
{
    return box.isEmpty() || (picture.width <= box.width && picture.height <= box.height);
}

// The largest size of the picture's proportions within `box`, rounded down, at least a pixel
// each way.
inline tk::PixelSize scaledInto(tk::PixelSize picture, tk::PixelSize box)
{
    tk::PixelSize scaled = box;
    const std::int64_t byHeight =
        picture.height == 0 ? 0 : std::int64_t{box.height} * picture.width / picture.height;
    if (picture.width == 0 || picture.height == 0)
        scaled = box;
    else if (byHeight <= box.width)
        scaled = {static_cast<int>(byHeight), box.height};
    else
        scaled = {box.width,
                  static_cast<int>(std::int64_t{box.width} * picture.height / picture.width)};
    return {std::max(scaled.width, 1), std::max(scaled.height, 1)};
}

// The size a picture shows at in a box.
inline tk::PixelSize shownSize(tk::PixelSize picture, tk::PixelSize box)
{
    return fitsWhole(picture, box) ? picture : scaledInto(picture, box);
}

// Where a picture shown at `shown` stands in `box`: in its middle, the odd pixel to the right
// and below.
inline tk::PixelPoint centredIn(const tk::PixelRect& box, tk::PixelSize shown)
{
    return {box.left + (box.width - shown.width) / 2, box.top + (box.height - shown.height) / 2};
}

} // namespace scene::PictureFit
