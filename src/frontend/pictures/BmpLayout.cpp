#include "BmpLayout.h"

#include "FileBytes.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstddef>

namespace {

using FileBytes::byteAt;
using FileBytes::little16;
using FileBytes::little32;

constexpr std::size_t kFileHeaderSize = 14;
// The sizes of the information headers that decoders read; the first is the old one of
// OS/2, with 16-bit sizes and 3-byte colours.
constexpr std::size_t kOldHeaderSize = 12;
constexpr std::array<std::size_t, 5> kHeaderSizes = {kOldHeaderSize, 40, 64, 108, 124};
// From this size on the header holds the bit fields' masks itself.
constexpr std::size_t kMasksInHeader = 108;
constexpr std::size_t kMasksSize = 12;
constexpr std::array<int, 6> kBitCounts = {1, 4, 8, 16, 24, 32};
constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kRunLength8 = 1;
constexpr std::uint32_t kRunLength4 = 2;
constexpr std::uint32_t kBitFields = 3;
constexpr std::uint32_t kMostColours = 256;

enum class Escape : std::uint32_t { EndOfLine = 0, EndOfPicture = 1, Move = 2 };

// Whether the compression suits the bit count.
bool isReadCompression(std::uint32_t compression, int bitCount)
{
    return compression == kUncompressed || (compression == kRunLength8 && bitCount == 8) ||
           (compression == kRunLength4 && bitCount == 4) ||
           (compression == kBitFields && (bitCount == 16 || bitCount == 32));
}

// Whether run-length codes from `at` reach the end of a picture of `rows` rows before the
// file ends. Codes come in pairs: a run of a colour, the end of a row, the end of the
// picture, a move, or a number of pixels given one by one and padded to a 16-bit word.
bool runLengthCodesEnd(std::string_view file, std::size_t at, std::int64_t rows, int bitCount)
{
    std::int64_t row = 0;
    while (row < rows) {
        if (file.size() - std::min(at, file.size()) < 2)
            return false;
        const std::uint32_t count = byteAt(file, at), code = byteAt(file, at + 1);
        at += 2;
        if (count != 0)
            continue;
        if (code == std::uint32_t(Escape::EndOfLine)) {
            ++row;
        } else if (code == std::uint32_t(Escape::EndOfPicture)) {
            return true;
        } else if (code == std::uint32_t(Escape::Move)) {
            // A move past the last row stops on it, as decoders clamp it.
            row = std::min(row + std::int64_t(byteAt(file, at + 1)), rows - 1);
            at += 2;
        } else {
            const std::size_t bytes = bitCount == 8 ? code : (code + 1) / 2;
            at += bytes + bytes % 2;
        }
    }
    return at <= file.size();
}

// Where the pixel data starts: after the headers, the masks and the colours, or further on
// where the file header says.
std::size_t pixelDataStart(std::string_view file, std::size_t headerSize, std::uint32_t compression,
                           std::uint32_t colours)
{
    const std::size_t masks =
        compression == kBitFields && headerSize < kMasksInHeader ? kMasksSize : 0;
    const std::size_t colourSize = headerSize == kOldHeaderSize ? 3 : 4;
    return std::max<std::size_t>(kFileHeaderSize + headerSize + masks + colours * colourSize,
                                 little32(file, 10));
}

} // namespace

std::optional<BmpLayout> readBmpLayout(std::string_view file)
{
    const std::size_t headerSize = little32(file, kFileHeaderSize);
    if (!file.starts_with("BM") ||
        std::find(kHeaderSizes.begin(), kHeaderSizes.end(), headerSize) == kHeaderSizes.end() ||
        file.size() < kFileHeaderSize + headerSize)
        return std::nullopt;
    const std::size_t at = kFileHeaderSize + 4;
    const bool old = headerSize == kOldHeaderSize;
    BmpLayout layout;
    // The old header's sizes are 16-bit and signed.
    layout.width = old ? int(std::int16_t(little16(file, at))) : int(little32(file, at));
    const std::int64_t height =
        old ? std::int16_t(little16(file, at + 2)) : std::int32_t(little32(file, at + 4));
    const std::size_t rest = old ? at + 4 : at + 8;
    layout.bitCount = int(little16(file, rest + 2));
    const std::uint32_t compression = old ? kUncompressed : little32(file, rest + 4);
    const std::uint32_t coloursUsed = old ? 0 : little32(file, rest + 20);
    if (little16(file, rest) != 1 || layout.width <= 0 || height == 0 || height == INT_MIN ||
        std::find(kBitCounts.begin(), kBitCounts.end(), layout.bitCount) == kBitCounts.end() ||
        !isReadCompression(compression, layout.bitCount))
        return std::nullopt;
    layout.height = int(height < 0 ? -height : height);
    const std::uint32_t colours =
        layout.bitCount > 8 ? 0 : (coloursUsed != 0 ? coloursUsed : 1u << layout.bitCount);
    if (colours > kMostColours)
        return std::nullopt;
    const std::size_t data = pixelDataStart(file, headerSize, compression, colours);
    if (data >= file.size())
        return std::nullopt;
    if (compression == kRunLength8 || compression == kRunLength4)
        return runLengthCodesEnd(file, data, layout.height, layout.bitCount) ? std::optional(layout)
                                                                             : std::nullopt;
    const std::uint64_t rowBytes = (std::uint64_t(layout.width) * layout.bitCount + 31) / 32 * 4;
    return file.size() - data >= rowBytes * std::uint64_t(layout.height) ? std::optional(layout)
                                                                         : std::nullopt;
}
