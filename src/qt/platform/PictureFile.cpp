#include "PictureFile.h"

#include "BoundedFile.h"
#include "PictureLimits.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

namespace PictureFile {

namespace {

constexpr int kAllocationLimitMB = 256;

// Whether a picture of `size` reaches past a bound; an empty bound is none.
bool exceeds(QSize size, QSize bound)
{
    return !bound.isEmpty() && (size.width() > bound.width() || size.height() > bound.height());
}

// The file's bytes when the file is one that may be read as a picture: a larger one is
// refused before it is read.
std::optional<std::string> pictureBytes(const std::string& path)
{
    const auto size = os::boundedFile::size(path);
    if (!size || *size > PictureLimits::kLargestFile)
        return std::nullopt;
    return os::boundedFile::read(path, PictureLimits::kLargestFile);
}

} // namespace

void limitAllocations()
{
    QImageReader::setAllocationLimit(kAllocationLimitMB);
}

QImage read(const std::string& path, QSize fit, QSize clip)
{
    const std::optional<std::string> bytes = pictureBytes(path);
    // A GIF's canvas is known from its first bytes; one too large is refused before Qt's
    // reader scans the whole file for the sizes of its frames.
    const auto allowance = bytes ? PictureLimits::allowance(*bytes) : std::nullopt;
    if (!allowance)
        return {};
    QByteArray data = QByteArray::fromRawData(bytes->data(), qsizetype(bytes->size()));
    QBuffer file(&data);
    file.open(QIODevice::ReadOnly);
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    const PictureLimits::PixelSize canvas = allowance->canvas.value_or(PictureLimits::PixelSize{});
    const QSize size = reader.size().expandedTo(QSize(canvas.width, canvas.height));
    if (!PictureLimits::mayDecode({size.width(), size.height()}, *allowance))
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

} // namespace PictureFile
