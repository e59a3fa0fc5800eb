#include "PictureFile.h"

#include "BoundedFile.h"
#include "PictureLimits.h"

#include <QBuffer>
#include <QImageReader>

#include <string_view>

namespace PictureFile {

namespace {

constexpr int kAllocationLimitMB = 256;

// Whether a picture of `size` reaches past a bound; an empty bound is none.
bool exceeds(QSize size, QSize bound)
{
    return !bound.isEmpty() && (size.width() > bound.width() || size.height() > bound.height());
}

// The picture as it is kept: scaled to fit, or cut to the clip.
QImage kept(QImage image, QSize fit, QSize clip)
{
    if (exceeds(image.size(), fit)) {
        // Smooth scaling works on 32-bit pixels and would convert a copy of any other kind;
        // the picture is converted in its own memory instead.
        image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                : QImage::Format_RGB32);
        return image.scaled(image.size().scaled(fit, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)),
                            Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    if (exceeds(image.size(), clip))
        return image.copy(QRect(QPoint(0, 0), image.size().boundedTo(clip)));
    return image;
}

} // namespace

void limitAllocations()
{
    QImageReader::setAllocationLimit(kAllocationLimitMB);
}

QImage decode(const QByteArray& wholeFile, QSize fit, QSize clip)
{
    const auto allowance =
        PictureLimits::allowance(std::string_view(wholeFile.constData(), wholeFile.size()));
    if (!allowance)
        return {};
    // The buffer shares the bytes; nothing is copied.
    QBuffer buffer;
    buffer.setData(wholeFile);
    if (!buffer.open(QIODevice::ReadOnly))
        return {};
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const PictureLimits::PixelSize canvas = allowance->canvas.value_or(PictureLimits::PixelSize{});
    const QSize size = reader.size().expandedTo(QSize(canvas.width, canvas.height));
    if (!PictureLimits::mayDecode({size.width(), size.height()}, *allowance))
        return {};
    // JPEG decodes straight to a smaller size, or only as far as the clip; the other formats
    // are decoded whole and then scaled or cut at once, so that no more than the shown size
    // is kept.
    if (exceeds(size, fit)) {
        if (reader.supportsOption(QImageIOHandler::ScaledSize))
            reader.setScaledSize(size.scaled(fit, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    } else if (exceeds(size, clip) && reader.supportsOption(QImageIOHandler::ClipRect)) {
        reader.setClipRect(QRect(QPoint(0, 0), size.boundedTo(clip)));
    }
    return kept(reader.read(), fit, clip);
}

QImage read(const std::string& path, QSize fit, QSize clip)
{
    const auto bytes = os::boundedFile::readWhole(path, PictureLimits::kLargestFile);
    if (!bytes)
        return {};
    return decode(QByteArray::fromRawData(bytes->data(), qsizetype(bytes->size())), fit, clip);
}

} // namespace PictureFile
