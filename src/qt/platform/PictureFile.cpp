#include "PictureFile.h"

#include "BoundedFile.h"

#include <QFile>
#include <QImageReader>

namespace {

constexpr int kAllocationLimitMB = 256;

// A GIF file ends with its trailer byte. Qt decodes a file cut short into a picture whose
// missing part is blank, which would replace a good picture with a broken one.
bool isCutShortGif(QFile& file)
{
    constexpr char kGifTrailer = 0x3B;
    if (file.peek(3) != QByteArrayLiteral("GIF"))
        return false;
    char last = 0;
    const bool cutShort =
        !file.seek(file.size() - 1) || !file.getChar(&last) || last != kGifTrailer;
    return !file.seek(0) || cutShort;
}

// A GIF is drawn on a canvas of the size its header gives, which its first frame, whose size
// is all that Qt's reader tells ahead, may be far smaller than. Anything else has no canvas.
QSize gifCanvas(QFile& file)
{
    const QByteArray header = file.peek(10);
    if (header.size() < 10 || !header.startsWith("GIF"))
        return {};
    const auto word = [&header](int at) {
        return int(quint8(header[at])) | int(quint8(header[at + 1])) << 8;
    };
    return {word(6), word(8)};
}

qint64 pixels(QSize size)
{
    return qint64(size.width()) * qint64(size.height());
}

// Whether a picture of `size` reaches past a bound; an empty bound is none.
bool exceeds(QSize size, QSize bound)
{
    return !bound.isEmpty() && (size.width() > bound.width() || size.height() > bound.height());
}

} // namespace

void PictureFile::limitAllocations()
{
    QImageReader::setAllocationLimit(kAllocationLimitMB);
}

QImage PictureFile::read(const std::string& path, QSize fit, QSize clip)
{
    const std::unique_ptr<QFile> file = BoundedFile::open(path);
    if (!file || file->size() > kLargestFile || isCutShortGif(*file))
        return {};
    // A GIF's canvas is known from its first bytes; one too large is refused before Qt's
    // reader scans the whole file for the sizes of its frames.
    const QSize canvas = gifCanvas(*file);
    const qint64 most = canvas.isValid() ? kMostGifPixels : kMostPixels;
    if (canvas.isValid() && pixels(canvas) > most)
        return {};
    QImageReader reader(file.get());
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size().expandedTo(canvas);
    if (!size.isValid() || size.isEmpty() || pixels(size) > most)
        return {};
    // JPEG decodes straight to a smaller size; the other formats are decoded whole and then
    // scaled or cut at once, so that no more than the shown size is kept.
    if (exceeds(size, fit))
        reader.setScaledSize(size.scaled(fit, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    else if (exceeds(size, clip))
        reader.setClipRect(QRect(QPoint(0, 0), size.boundedTo(clip)));
    QImage image = reader.read();
    if (exceeds(image.size(), fit))
        return image.scaled(image.size().scaled(fit, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)),
                            Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (exceeds(image.size(), clip))
        return image.copy(QRect(QPoint(0, 0), image.size().boundedTo(clip)));
    return image;
}
