#include "JpegLayout.h"

#include "FileBytes.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>

namespace {

using FileBytes::big16;
using FileBytes::byteAt;

constexpr unsigned char kMarker = 0xFF;
constexpr unsigned char kStartOfImage = 0xD8;
constexpr unsigned char kEndOfImage = 0xD9;
constexpr unsigned char kStartOfScan = 0xDA;
constexpr unsigned char kFirstRestart = 0xD0;
constexpr unsigned char kLastRestart = 0xD7;
constexpr unsigned char kTemporary = 0x01;
// The frames decoders read: baseline, extended and progressive, with Huffman or arithmetic
// coding. The lossless and hierarchical ones are refused.
constexpr std::array<unsigned char, 5> kReadFrames = {0xC0, 0xC1, 0xC2, 0xC9, 0xCA};
constexpr std::array<unsigned char, 2> kProgressiveFrames = {0xC2, 0xCA};
constexpr std::array<unsigned char, 8> kOtherFrames = {0xC3, 0xC5, 0xC6, 0xC7,
                                                       0xCB, 0xCD, 0xCE, 0xCF};
constexpr int kMostComponents = 4;
constexpr int kMostSampling = 4;
constexpr int kBlockSide = 8;

template <std::size_t N> bool isOneOf(unsigned char code, const std::array<unsigned char, N>& codes)
{
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

std::int64_t roundUp(std::int64_t value, std::int64_t step)
{
    return (value + step - 1) / step * step;
}

std::int64_t divideUp(std::int64_t value, std::int64_t divisor)
{
    return (value + divisor - 1) / divisor;
}

// Reads a frame header (its segment without the length) into the layout; false when it is
// none that decoders read.
bool readFrame(std::string_view segment, bool progressive, JpegLayout& layout)
{
    const int components = int(byteAt(segment, 5));
    if (segment.size() < 6 + 3 * std::size_t(components) || components < 1 ||
        components > kMostComponents)
        return false;
    layout.height = int(big16(segment, 1));
    layout.width = int(big16(segment, 3));
    layout.wholeCoefficients = progressive;
    layout.components = components;
    std::array<int, kMostComponents> across{}, down{};
    for (int c = 0; c < components; ++c) {
        const std::uint32_t sampling = byteAt(segment, 7 + 3 * std::size_t(c));
        across[std::size_t(c)] = int(sampling >> 4);
        down[std::size_t(c)] = int(sampling & 15);
        if (across[std::size_t(c)] < 1 || across[std::size_t(c)] > kMostSampling ||
            down[std::size_t(c)] < 1 || down[std::size_t(c)] > kMostSampling)
            return false;
    }
    const int mostAcross = *std::max_element(across.begin(), across.end());
    const int mostDown = *std::max_element(down.begin(), down.end());
    layout.coefficientBytes = 0;
    for (int c = 0; c < components; ++c) {
        const auto h = across[std::size_t(c)], v = down[std::size_t(c)];
        const auto blocksAcross =
            divideUp(divideUp(std::int64_t(layout.width) * h, mostAcross), kBlockSide);
        const auto blocksDown =
            divideUp(divideUp(std::int64_t(layout.height) * v, mostDown), kBlockSide);
        layout.coefficientBytes +=
            roundUp(blocksAcross, h) * roundUp(blocksDown, v) * JpegLayout::kBlockBytes;
    }
    return layout.width > 0 && layout.height > 0;
}

// The offset of the marker that ends the coded data starting at `at`: any marker but a
// restart, and no 0xFF byte stuffed before a 0; nothing when the file ends first.
std::optional<std::size_t> endOfCodedData(std::string_view file, std::size_t at)
{
    while (at < file.size()) {
        const void* found = std::memchr(file.data() + at, kMarker, file.size() - at);
        if (found == nullptr)
            return std::nullopt;
        at = std::size_t(static_cast<const char*>(found) - file.data());
        const auto code = byteAt(file, at + 1);
        if (at + 1 < file.size() && code != 0 && code != kMarker &&
            (code < kFirstRestart || code > kLastRestart))
            return at;
        ++at;
    }
    return std::nullopt;
}

// Counts the scan whose header is `segment` and whose coded data starts at `at`; the offset
// of the marker after its data, or nothing when no frame came before it or the file ends.
std::optional<std::size_t> readScan(std::string_view file, std::string_view segment, std::size_t at,
                                    JpegLayout& layout)
{
    if (layout.components == 0 || segment.empty())
        return std::nullopt;
    if (layout.scans++ == 0 && int(byteAt(segment, 0)) < layout.components)
        layout.wholeCoefficients = true;
    return endOfCodedData(file, at);
}

} // namespace

std::optional<JpegLayout> readJpegLayout(std::string_view file)
{
    if (byteAt(file, 0) != kMarker || byteAt(file, 1) != kStartOfImage)
        return std::nullopt;
    JpegLayout layout;
    std::size_t at = 2;
    while (at + 1 < file.size()) {
        if (byteAt(file, at) != kMarker)
            return std::nullopt;
        const auto code = static_cast<unsigned char>(file[at + 1]);
        at += 2;
        if (code == kMarker) {
            --at; // a fill byte before the marker
            continue;
        }
        if (code == kEndOfImage)
            return layout.scans > 0 ? std::optional(layout) : std::nullopt;
        if (code == kTemporary || (code >= kFirstRestart && code <= kLastRestart))
            continue;
        const std::size_t length = big16(file, at);
        if (length < 2 || file.size() - at < length || code == kStartOfImage ||
            isOneOf(code, kOtherFrames))
            return std::nullopt;
        const std::string_view segment = file.substr(at + 2, length - 2);
        at += length;
        if (isOneOf(code, kReadFrames) && layout.components == 0) {
            if (!readFrame(segment, isOneOf(code, kProgressiveFrames), layout))
                return std::nullopt;
        } else if (code == kStartOfScan) {
            const auto end = readScan(file, segment, at, layout);
            if (!end)
                return std::nullopt;
            at = *end;
        }
    }
    return std::nullopt;
}
