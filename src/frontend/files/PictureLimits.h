#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// The bounds on picture files that anyone may have put in the program's way, checked on the
// file's size and bytes before any decoder sees them.
namespace PictureLimits {

// Pictures for a 49 x 49 box are a few KiB, and a camera's JPEG or a screen-sized BMP stays
// well below this; a larger file is refused before it is read, so that no file can make the
// program read for long or hold much.
inline constexpr std::uint64_t kLargestFile = 64 * 1024 * 1024;
// The most pixels a picture may have; a larger one is never decoded. Decoded at 4 bytes a
// pixel, it takes up to 256 MB.
inline constexpr std::int64_t kMostPixels = 64'000'000;
// The most pixels a GIF's canvas may have. A GIF decoder draws every frame on a canvas of 4
// bytes a pixel, which it clears whole first, so a GIF costs its canvas even when its header
// is all the file holds.
inline constexpr std::int64_t kMostGifPixels = 4'000'000;

struct PixelSize {
    int width = 0;
    int height = 0;
};

// What a file's bytes allow before it is decoded.
struct Allowance {
    // The most pixels its picture may have.
    std::int64_t mostPixels = kMostPixels;
    // For a GIF, the canvas its header gives, on which every frame is drawn, and which the
    // first frame, whose size is all that a reader tells ahead, may be far smaller than.
    std::optional<PixelSize> canvas;
};

// How many of a file's first bytes the checks look at: a GIF's header up to its canvas size.
inline constexpr std::size_t kHeaderBytes = 10;

// The canvas that a GIF's header gives, or nothing when the bytes start no GIF header.
std::optional<PixelSize> gifCanvas(std::string_view start);
// Whether the checks need the file's last byte: only a GIF's is looked at.
bool needsLastByte(std::string_view start);
// Whether the file is a GIF cut short, from its first bytes and its last one: a GIF file ends
// with its trailer byte, and a decoder would make a picture whose missing part is blank of
// one that does not.
bool isCutShortGif(std::string_view start, char last);
// What a file may be decoded to, from its size, its first kHeaderBytes bytes (fewer when the
// file is shorter) and its last byte; nothing when it is refused unread: it is too large, a
// GIF cut short, or a GIF whose canvas has too many pixels.
std::optional<Allowance> allowance(std::uint64_t fileSize, std::string_view start, char last);
// Whether a picture of `size` (the larger of the decoder's size and the canvas) may be
// decoded: it has pixels, and not more than the allowance.
bool mayDecode(PixelSize size, const Allowance& allowance);

} // namespace PictureLimits
