#include "PictureLimits.h"

namespace PictureLimits {

namespace {

constexpr char kGifTrailer = 0x3B;

std::int64_t pixels(PixelSize size)
{
    return std::int64_t(size.width) * std::int64_t(size.height);
}

} // namespace

std::optional<PixelSize> gifCanvas(std::string_view start)
{
    if (start.size() < kHeaderBytes || !start.starts_with("GIF"))
        return std::nullopt;
    const auto word = [&start](std::size_t at) {
        return int(static_cast<unsigned char>(start[at])) |
               int(static_cast<unsigned char>(start[at + 1])) << 8;
    };
    return PixelSize{word(6), word(8)};
}

bool needsLastByte(std::string_view start)
{
    return start.starts_with("GIF");
}

bool isCutShortGif(std::string_view start, char last)
{
    return needsLastByte(start) && last != kGifTrailer;
}

std::optional<Allowance> allowance(std::uint64_t fileSize, std::string_view start, char last)
{
    if (fileSize > kLargestFile || isCutShortGif(start, last))
        return std::nullopt;
    Allowance allowed;
    allowed.canvas = gifCanvas(start);
    if (allowed.canvas) {
        allowed.mostPixels = kMostGifPixels;
        if (pixels(*allowed.canvas) > kMostGifPixels)
            return std::nullopt;
    }
    return allowed;
}

bool mayDecode(PixelSize size, const Allowance& allowance)
{
    return size.width > 0 && size.height > 0 && pixels(size) <= allowance.mostPixels;
}

} // namespace PictureLimits
