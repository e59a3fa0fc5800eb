#include "SlidePeriod.h"

#include "NumberText.h"

#include <cstdint>

namespace {

constexpr char32_t kNotACharacter = 0xFFFD;

// The code point that starts at `at`, and how many bytes it takes; a byte that starts no
// valid sequence counts as one character that is none of the rejected ones.
char32_t nextCodePoint(std::string_view text, std::size_t& at)
{
    const auto lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80)
        return lead;
    int length = 0;
    char32_t point = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 1;
        point = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 2;
        point = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 3;
        point = lead & 0x07;
    } else {
        return kNotACharacter;
    }
    if (text.size() - at < static_cast<std::size_t>(length))
        return kNotACharacter;
    for (int i = 0; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80)
            return kNotACharacter;
        point = (point << 6) | (next & 0x3F);
    }
    at += length;
    return point;
}

bool isRejected(char32_t c)
{
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') ||
           (c >= U'\u0430' && c <= U'\u044F') || (c >= U'\u0410' && c <= U'\u042F') || c == U',' ||
           c == U'-';
}

} // namespace

std::optional<float> parseSlidePeriod(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        if (isRejected(nextCodePoint(text, at)))
            return std::nullopt;
    }
    const std::optional<double> seconds = tk::parseNumber(text);
    if (!seconds || *seconds < 0 || *seconds > kLongestSlidePeriod)
        return std::nullopt;
    return static_cast<float>(*seconds);
}
