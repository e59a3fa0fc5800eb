#pragma once

#include "Platform.h"

#include <QImage>
#include <QSize>

// The pictures that come with the program: the centre emblem and the full-screen dials of the
// second clock style, all drawn by code.
class BuiltInPictures {
public:
    // The picture for the toolkit; a dial is drawn only when it is first painted.
    static tk::PictureRef make(tk::BuiltInPicture which);

    static QSize sizeOf(tk::BuiltInPicture which);
    // A small round emblem on black, 49 x 49 pixels.
    static QImage drawCentreEmblem();
    // The dial at the middle of a black field of the given size.
    static QImage drawDial(QSize size);
};
