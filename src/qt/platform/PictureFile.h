#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <string>

// Reads picture files that anyone may have put in the program's way with Qt's image readers:
// only regular files, read whole within the shared picture limits (PictureLimits.h), are
// decoded; anything else reads as no picture.
namespace PictureFile {

// Tells Qt's image reader to allocate no more than the largest picture needs.
void limitAllocations();
// The picture that a whole file's bytes hold, or a null image. A picture larger than `fit` is
// decoded straight to the largest size of its proportions that fits, and one that reaches
// past `clip` only as far as it; nothing larger is ever kept.
QImage decode(const QByteArray& wholeFile, QSize fit = {}, QSize clip = {});
// The picture of the file at `path`, read whole and decoded as decode() does.
QImage read(const std::string& path, QSize fit = {}, QSize clip = {});

} // namespace PictureFile
