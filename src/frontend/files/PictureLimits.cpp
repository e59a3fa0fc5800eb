#include "PictureLimits.h"

namespace PictureLimits {

namespace {

constexpr char kGifTrailer = 0x3B;
constexpr std::size_t kGifHeader = 10;

std::int64_t pixels(PixelSize size)
{
    return std::int64_t(size.width) * std::int64_t(size.height);
}

} // namespace

std::optional<PixelSize> gifCanvas(std::string_view start)
{
    if (start.size() < kGifHeader || !start.starts_with("GIF"))
        return std::nullopt;
    const auto word = [&start](std::size_t at) {
        return int(static_cast<unsigned char>(start[at])) |
               int(static_cast<unsigned char>(start[at + 1])) << 8;
    };
    return PixelSize{word(6), word(8)};
}

bool isCutShortGif(std::string_view file)
{
    return file.starts_with("GIF") && file.back() != kGifTrailer;
}

std::optional<Allowance> allowance(std::string_view file)
{
    if (file.size() > kLargestFile || isCutShortGif(file))
        return std::nullopt;
    Allowance allowed;
    allowed.canvas = gifCanvas(file);
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
