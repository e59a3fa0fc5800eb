#include "PictureLimits.h"

#include "BmpLayout.h"
#include "GifLayout.h"
#include "JpegLayout.h"

#include <algorithm>

namespace PictureLimits {

namespace {

std::int64_t pixels(PixelSize size)
{
    return std::int64_t(size.width) * std::int64_t(size.height);
}

// The most pixels a picture decoded whole may have beside a file of `fileSize` bytes.
std::int64_t mostWholePixels(std::size_t fileSize)
{
    return std::min(kMostPixels, (kMostHeld - std::int64_t(fileSize)) / kBytesPerPixel);
}

std::optional<Allowance> gifAllowance(std::string_view file)
{
    const auto layout = readGifLayout(file);
    if (!layout)
        return std::nullopt;
    const PixelSize canvas{layout->canvasWidth, layout->canvasHeight};
    // The decoder holds the canvas, and a copy of the first frame when it is to be restored.
    const std::int64_t held = pixels(canvas) + layout->keptPixels;
    if (pixels(canvas) > kMostGifPixels || held > mostWholePixels(file.size()) ||
        layout->codedPixels > kMostGifCodedPixels)
        return std::nullopt;
    return Allowance{kMostGifPixels, canvas};
}

std::optional<Allowance> jpegAllowance(std::string_view file)
{
    const auto layout = readJpegLayout(file);
    if (!layout || pixels({layout->width, layout->height}) > kMostJpegPixels)
        return std::nullopt;
    const std::int64_t blocks = layout->coefficientBytes / JpegLayout::kBlockBytes;
    const double blockSteps = layout->wholeCoefficients
                                  ? double(blocks) * (layout->scans + 1) * kStepsPerHeldBlock
                                  : double(blocks);
    const std::int64_t held = layout->wholeCoefficients ? layout->coefficientBytes : 0;
    if (held > std::min(kMostCoefficientBytes, kMostHeld - std::int64_t(file.size())) ||
        blockSteps + double(file.size() / kBytesPerJpegStep) > double(kMostJpegSteps))
        return std::nullopt;
    return Allowance{kMostJpegPixels, std::nullopt};
}

std::optional<Allowance> bmpAllowance(std::string_view file)
{
    const auto layout = readBmpLayout(file);
    const std::int64_t most = mostWholePixels(file.size());
    if (!layout || pixels({layout->width, layout->height}) > most)
        return std::nullopt;
    return Allowance{most, std::nullopt};
}

} // namespace

std::optional<Allowance> allowance(std::string_view wholeFile)
{
    if (wholeFile.size() > kLargestFile)
        return std::nullopt;
    if (wholeFile.starts_with("GIF"))
        return gifAllowance(wholeFile);
    if (wholeFile.starts_with("\xFF\xD8"))
        return jpegAllowance(wholeFile);
    if (wholeFile.starts_with("BM"))
        return bmpAllowance(wholeFile);
    return Allowance{mostWholePixels(wholeFile.size()), std::nullopt};
}

bool mayDecode(PixelSize size, const Allowance& allowance)
{
    return size.width > 0 && size.height > 0 && pixels(size) <= allowance.mostPixels;
}

} // namespace PictureLimits
