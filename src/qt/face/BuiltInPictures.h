#pragma once

#include "Platform.h"

#include <QImage>
#include <QSize>

// The pictures that come with the program: the centre emblem and the full-screen dials of the
// second clock style, all drawn by code.
class BuiltInPictures {
public:
    // The picture for the toolkit, drawn for a screen of `devicePixelRatio` device pixels to
    // each of its pixels; a dial is drawn only when it is first painted.
    static tk::PictureRef make(tk::BuiltInPicture which, double devicePixelRatio = 1.0);

    static QSize sizeOf(tk::BuiltInPicture which);
    // A small round emblem on black, 49 x 49 pixels.
    static QImage drawCentreEmblem(double devicePixelRatio);
    // The dial at the middle of a black field of the given size.
    static QImage drawDial(QSize size, double devicePixelRatio);

private:
    // A black image of `size` pixels that holds `devicePixelRatio` device pixels to each.
    static QImage blackField(QSize size, double devicePixelRatio);
};
