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

} // namespace

void PictureFile::limitAllocations()
{
    QImageReader::setAllocationLimit(kAllocationLimitMB);
}

QImage PictureFile::read(const QString& path)
{
    const std::unique_ptr<QFile> file = BoundedFile::open(path);
    if (!file || file->size() > kLargestFile || isCutShortGif(*file))
        return {};
    QImageReader reader(file.get());
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty() ||
        qint64(size.width()) * qint64(size.height()) > kMostPixels)
        return {};
    return reader.read();
}
