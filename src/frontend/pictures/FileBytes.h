#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// Numbers read from a file's bytes at an offset; 0 where the file ends first, which the
// callers take as a file cut short by looking at its size themselves.
namespace FileBytes {

inline std::uint32_t byteAt(std::string_view bytes, std::size_t at)
{
    return at < bytes.size() ? std::uint32_t(static_cast<unsigned char>(bytes[at])) : 0;
}

// Least significant byte first, as GIF and BMP files store their numbers.
inline std::uint32_t little16(std::string_view bytes, std::size_t at)
{
    return byteAt(bytes, at) | byteAt(bytes, at + 1) << 8;
}

inline std::uint32_t little32(std::string_view bytes, std::size_t at)
{
    return little16(bytes, at) | little16(bytes, at + 2) << 16;
}

// Most significant byte first, as JPEG files store theirs.
inline std::uint32_t big16(std::string_view bytes, std::size_t at)
{
    return byteAt(bytes, at) << 8 | byteAt(bytes, at + 1);
}

} // namespace FileBytes
