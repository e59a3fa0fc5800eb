#include "LookUpWire.h"

namespace LookUpWire {

namespace {

constexpr char kPresent = 'y';
constexpr char kAbsent = 'n';
constexpr int kBitsPerByte = 8;
constexpr unsigned kByteMask = 0xFF;

} // namespace

std::string lengthOf(std::size_t length)
{
    std::string bytes(kLengthBytes, '\0');
    for (std::size_t i = 0; i < kLengthBytes; ++i)
        bytes[i] = static_cast<char>((length >> (kBitsPerByte * i)) & kByteMask);
    return bytes;
}

std::uint32_t readLength(const char* bytes)
{
    std::uint32_t length = 0;
    for (std::size_t i = 0; i < kLengthBytes; ++i)
        length |= std::uint32_t(static_cast<unsigned char>(bytes[i])) << (kBitsPerByte * i);
    return length;
}

std::string framed(std::string_view text)
{
    return lengthOf(text.size()) + std::string(text);
}

std::string encodeNames(const std::vector<std::string>& names)
{
    std::string payload;
    for (const std::string& name : names)
        payload += framed(name);
    return payload;
}

// A payload cut short ends the list where it is cut.
std::vector<std::string> decodeNames(std::string_view payload)
{
    std::vector<std::string> names;
    while (payload.size() >= kLengthBytes) {
        const std::uint32_t length = readLength(payload.data());
        payload.remove_prefix(kLengthBytes);
        if (length > payload.size())
            break;
        names.emplace_back(payload.substr(0, length));
        payload.remove_prefix(length);
    }
    return names;
}

std::string encodeFile(const std::optional<std::string>& bytes)
{
    return bytes ? kPresent + *bytes : std::string(1, kAbsent);
}

std::optional<std::string> decodeFile(std::string payload)
{
    if (payload.empty() || payload.front() != kPresent)
        return std::nullopt;
    payload.erase(0, 1);
    return payload;
}

} // namespace LookUpWire
