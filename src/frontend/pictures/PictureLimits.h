#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// The bounds on picture files that anyone may have put in the program's way, checked on the
// whole file's bytes before any decoder sees them, so that no file costs the program more
// than a few MiB or a tenth of a second a load. The file is read whole, and held while it is
// decoded, so its size counts against the same bound as what its decoder holds.
namespace PictureLimits {

// The most bytes a load may hold at once: the file, and the pictures and buffers its decoder
// allocates.
inline constexpr std::int64_t kMostHeld = 18 * 1024 * 1024;
// A camera's JPEG of a few MB and a screen-sized BMP are read whole; a larger file is refused
// before it is read.
inline constexpr std::uint64_t kLargestFile = 8 * 1024 * 1024;
// A picture that is decoded whole takes 4 bytes a pixel: a screen-sized BMP or PNG of up to
// 4 megapixels is.
inline constexpr int kBytesPerPixel = 4;
inline constexpr std::int64_t kMostPixels = 4'000'000;
// A GIF decoder draws every frame on a canvas of 4 bytes a pixel, which it clears whole first,
// so a GIF costs its canvas even when its header is all the file holds.
inline constexpr std::int64_t kMostGifPixels = kMostPixels;
// The most pixels that the codes of a GIF's first frame may stand for: a frame within the
// canvas needs no more than the canvas has, and each costs the decoder a step.
inline constexpr std::int64_t kMostGifCodedPixels = 2 * kMostGifPixels;
// A JPEG decoded a row at a time is decoded straight to the size it is shown at, holding a
// few rows of it.
inline constexpr std::int64_t kMostJpegPixels = 50'000'000;
// One that needs its whole coefficients holds them (JpegLayout.h) beside its picture at the
// size it is shown at, up to a screen's size: 8 MB at 1920 x 1080.
inline constexpr std::int64_t kMostCoefficientBytes = 10 * 1024 * 1024;
// The time a JPEG takes to decode, in steps of about the time that a block of 8 x 8 takes when
// it is decoded straight to a smaller size: each block once; when the whole coefficients are
// held, 2 steps a block for each scan and for the pixels made of them; and a step for each
// 3 bytes of coded data. A tenth of a second is about 2.5 million steps.
inline constexpr std::int64_t kMostJpegSteps = 2'500'000;
inline constexpr double kStepsPerHeldBlock = 2;
inline constexpr std::int64_t kBytesPerJpegStep = 3;

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

// What a file may be decoded to, from all its bytes; nothing when it is refused undecoded:
// it is too large; a GIF, JPEG or BMP cut short or damaged; or one whose decoding would hold
// more than kMostHeld or take more steps than its bounds. Other kinds are bounded by the
// pixels that the decoder reports (mayDecode()).
std::optional<Allowance> allowance(std::string_view wholeFile);
// Whether a picture of `size` (the larger of the decoder's size and the canvas) may be
// decoded: it has pixels, and not more than the allowance.
bool mayDecode(PixelSize size, const Allowance& allowance);

} // namespace PictureLimits
