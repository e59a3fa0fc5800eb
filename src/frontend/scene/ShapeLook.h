#pragma once

#include "Colour.h"
#include "PixelGeometry.h"

namespace scene {

// Everything that decides how a shape of the face looks, whatever its place: its kind, the
// size of its box, its border and fill, and the device pixels it is drawn for. A sprite drawn
// for one look serves every place, so a new one is drawn only when the look changes.
struct ShapeLook {
    int kind = -1;
    tk::PixelSizeF size;
    int borderWidth = 0;
    tk::Colour borderColour = 0;
    tk::Colour backColour = 0;
    bool outlined = false;
    bool opaque = false;
    double devicePixelRatio = 1.0;

    bool operator==(const ShapeLook&) const = default;
};

} // namespace scene
