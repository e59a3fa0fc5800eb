#pragma once

#include <QImage>
#include <QSize>

#include <QString>
#include <string>

// Reads picture files that anyone may have put in the program's way: only regular files,
// opened without blocking, of a bounded size, whose header tells a bounded size in pixels, are
// decoded; anything else reads as no picture.
class PictureFile {
public:
    // Pictures for a 49 x 49 box are a few KiB, and a camera's JPEG or a screen-sized BMP stays
    // well below this; a larger file is refused before it is read, so that no file can make
    // the program read for long or hold much.
    static constexpr qint64 kLargestFile = 64 * 1024 * 1024;
    // The most pixels a picture may have; a larger one is never decoded. Decoded at 4 bytes a
    // pixel, it takes up to 256 MB.
    static constexpr qint64 kMostPixels = 64'000'000;
    // The most pixels a GIF's canvas may have. Qt's GIF reader cannot decode to a smaller
    // size: it draws every frame on a canvas of 4 bytes a pixel, which it clears whole first,
    // so a GIF costs its canvas even when its header is all the file holds.
    static constexpr qint64 kMostGifPixels = 4'000'000;

    // Tells Qt's image reader to allocate no more than the largest picture needs.
    static void limitAllocations();
    // The picture, or a null image. A picture larger than `fit` is decoded straight to the
    // largest size of its proportions that fits, and one that reaches past `clip` only as far
    // as it; nothing larger is ever kept.
    static QImage read(const std::string& path, QSize fit = {}, QSize clip = {});
};
