#include "PictureFile.h"

#include "BoundedFile.h"
#include "PictureLimits.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImageReader>

namespace PictureFile {

namespace {

constexpr int kAllocationLimitMB = 256;

// Whether a picture of `size` reaches past a bound; an empty bound is none.
bool exceeds(QSize size, QSize bound)
{
    return !bound.isEmpty() && (size.width() > bound.width() || size.height() > bound.height());
}

// The last byte of a file (0 when it has none), and the file ready to be read from its start
// again; nothing when it cannot be.
std::optional<char> lastByte(QIODevice& file)
{
    char last = 0;
    if (!file.seek(file.size() - 1) || !file.getChar(&last))
        last = 0;
    if (!file.seek(0))
        return std::nullopt;
    return last;
}

// The picture from a file or buffer open at its start, within the limits; see read().
QImage decodeFrom(QIODevice& file, QSize fit, QSize clip)
{
    // A GIF's canvas is known from its first bytes; one too large is refused before Qt's
    // reader scans the whole file for the sizes of its frames.
    const QByteArray bytes = file.peek(qint64(PictureLimits::kHeaderBytes));
    const std::string_view start(bytes.constData(), std::size_t(bytes.size()));
    // Only a GIF's end is looked at, so that no other file is read at its end.
    const std::optional<char> last =
        PictureLimits::needsLastByte(start) ? lastByte(file) : std::optional<char>(0);
    const auto allowance =
        last ? PictureLimits::allowance(std::uint64_t(file.size()), start, *last) : std::nullopt;
    if (!allowance)
        return {};
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

} // namespace

void limitAllocations()
{
    QImageReader::setAllocationLimit(kAllocationLimitMB);
}

QImage read(const std::string& path, QSize fit, QSize clip)
{
    // The file is opened as the bounded read opens it, and Qt's reader takes from it only
    // what it needs.
    const int descriptor = os::boundedFile::openDescriptor(path);
    QFile file;
    if (descriptor < 0 ||
        !file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        os::boundedFile::closeDescriptor(descriptor);
        return {};
    }
    return decodeFrom(file, fit, clip);
}

QImage decode(const QByteArray& wholeFile, QSize fit, QSize clip)
{
    QBuffer buffer;
    buffer.setData(wholeFile);
    if (!buffer.open(QIODevice::ReadOnly))
        return {};
    return decodeFrom(buffer, fit, clip);
}

} // namespace PictureFile
