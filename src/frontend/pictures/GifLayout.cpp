#include "GifLayout.h"

#include "FileBytes.h"

#include <array>
#include <cstddef>

namespace {

using FileBytes::byteAt;
using FileBytes::little16;

constexpr std::size_t kHeaderSize = 13;
constexpr std::size_t kDescriptorSize = 9;
constexpr std::uint32_t kColourTableFlag = 0x80;
constexpr unsigned char kImage = 0x2C;
constexpr unsigned char kExtension = 0x21;
constexpr unsigned char kTrailer = 0x3B;
constexpr unsigned char kGraphicControl = 0xF9;
constexpr std::uint32_t kRestorePrevious = 3;
constexpr int kMostCodeBits = 12;
constexpr int kMostCodeSize = 1 << kMostCodeBits;
// The largest smallest code size a decoder takes: its codes start one bit longer.
constexpr std::uint32_t kLargestMinimumCodeSize = kMostCodeBits - 1;

// The size of a colour table whose flag and size stand in `flags`, in bytes.
std::size_t colourTableSize(std::uint32_t flags)
{
    return (flags & kColourTableFlag) != 0 ? std::size_t(3) << ((flags & 7) + 1) : 0;
}

// Counts the pixels that LZW codes stand for, as a decoder expands them: each code stands
// for the string of an earlier one and one more pixel. Codes after the end code are counted
// too, since a decoder may go on reading them.
class CodeCounter {
public:
    explicit CodeCounter(int minimumSize)
        : m_clear(1 << minimumSize)
        , m_minimumSize(minimumSize)
    {
        m_length.fill(1);
        reset();
    }
    void add(unsigned char byte)
    {
        m_held |= std::uint32_t(byte) << m_bits;
        m_bits += 8;
        while (m_bits >= m_codeSize) {
            const int code = int(m_held & ((1u << m_codeSize) - 1));
            m_held >>= m_codeSize;
            m_bits -= m_codeSize;
            take(code);
        }
    }
    std::int64_t pixels() const { return m_pixels; }

private:
    void reset()
    {
        m_codeSize = m_minimumSize + 1;
        m_next = m_clear + 2;
        m_needFirst = true;
    }
    void take(int code)
    {
        if (code == m_clear)
            return reset();
        if (code == m_clear + 1)
            return;
        if (m_needFirst) {
            m_pixels += 1;
            m_needFirst = false;
            m_previous = code;
            return;
        }
        const int previousLength = m_length[std::size_t(m_previous)];
        m_pixels += code >= m_next ? previousLength + 1 : m_length[std::size_t(code)];
        if (m_next < kMostCodeSize) {
            m_length[std::size_t(m_next)] = previousLength + 1;
            if (++m_next >= 1 << m_codeSize && m_codeSize < kMostCodeBits)
                ++m_codeSize;
        }
        m_previous = code;
    }

    std::array<int, kMostCodeSize> m_length{};
    const int m_clear;
    const int m_minimumSize;
    int m_codeSize = 0;
    int m_next = 0;
    int m_previous = 0;
    bool m_needFirst = true;
    std::uint32_t m_held = 0;
    int m_bits = 0;
    std::int64_t m_pixels = 0;
};

// Walks the data sub-blocks from `at` to the one that ends them, handing each byte to
// `take`; the offset past them, or nothing when the file ends first.
template <typename Take>
std::optional<std::size_t> walkSubBlocks(std::string_view file, std::size_t at, Take take)
{
    while (at < file.size()) {
        const std::size_t length = byteAt(file, at++);
        if (length == 0)
            return at;
        if (file.size() - at < length)
            return std::nullopt;
        for (std::size_t i = 0; i < length; ++i)
            take(static_cast<unsigned char>(file[at + i]));
        at += length;
    }
    return std::nullopt;
}

// Reads the image at `at`, just past its separator, into the layout when it is the first;
// the offset past it, or nothing when it is damaged or reaches outside the canvas.
std::optional<std::size_t> readImage(std::string_view file, std::size_t at, bool first,
                                     std::uint32_t disposal, GifLayout& layout)
{
    if (file.size() - at < kDescriptorSize + 1)
        return std::nullopt;
    const auto left = std::int64_t(little16(file, at)), top = std::int64_t(little16(file, at + 2));
    const auto width = std::int64_t(little16(file, at + 4));
    const auto height = std::int64_t(little16(file, at + 6));
    if (left + width > layout.canvasWidth || top + height > layout.canvasHeight)
        return std::nullopt;
    at += kDescriptorSize + colourTableSize(byteAt(file, at + 8));
    const std::uint32_t minimumSize = byteAt(file, at++);
    if (at >= file.size() || minimumSize > kLargestMinimumCodeSize)
        return std::nullopt;
    if (!first)
        return walkSubBlocks(file, at, [](unsigned char) {});
    layout.keptPixels = disposal == kRestorePrevious ? width * height : 0;
    CodeCounter counter{int(minimumSize)};
    const auto end = walkSubBlocks(file, at, [&counter](unsigned char byte) { counter.add(byte); });
    layout.codedPixels = counter.pixels();
    return end;
}

} // namespace

std::optional<GifLayout> readGifLayout(std::string_view file)
{
    if (file.size() < kHeaderSize || !file.starts_with("GIF8"))
        return std::nullopt;
    GifLayout layout;
    layout.canvasWidth = int(little16(file, 6));
    layout.canvasHeight = int(little16(file, 8));
    std::size_t at = kHeaderSize + colourTableSize(byteAt(file, 10));
    bool first = true;
    std::uint32_t disposal = 0;
    while (at < file.size()) {
        const auto block = static_cast<unsigned char>(file[at++]);
        std::optional<std::size_t> next;
        if (block == kTrailer)
            return layout;
        if (block == kImage) {
            next = readImage(file, at, first, disposal, layout);
            first = false;
        } else if (block == kExtension && at < file.size()) {
            if (byteAt(file, at) == kGraphicControl)
                disposal = byteAt(file, at + 2) >> 2 & 7;
            next = walkSubBlocks(file, at + 1, [](unsigned char) {});
        }
        if (!next)
            return std::nullopt;
        at = *next;
    }
    return std::nullopt;
}
