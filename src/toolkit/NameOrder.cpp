#include "NameOrder.h"

#include "CaseFolding.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tk::names {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The folded character's place in the order: its code point, but that the characters from
// U+E000 to U+FFFF come after those past U+FFFF, as in UTF-16, by whose units Qt compared.
char32_t folded(char32_t c)
{
    constexpr char32_t kPastUnicode = 0x110000;
    const char32_t letter = caseFolded(c);
    return letter >= 0xE000 && letter <= 0xFFFF ? letter + kPastUnicode : letter;
}

// The code point that starts at `at`, and the bytes it takes. A byte that starts no
// well-formed sequence (overlong, a surrogate, past U+10FFFF, cut short) is one character
// on its own, the replacement character.
std::pair<char32_t, std::size_t> decoded(std::string_view text, std::size_t at)
{
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return {lead, 1};
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || at + length > text.size())
        return {kReplacement, 1};
    char32_t c = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return {kReplacement, 1};
        c = c << 6 | (byte(at + i) & 0x3F);
    }
    constexpr std::array<char32_t, 5> kSmallest{0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return {kReplacement, 1};
    return {c, length};
}

std::u32string foldedText(std::string_view name)
{
    std::u32string text;
    text.reserve(name.size());
    for (std::size_t at = 0; at < name.size();) {
        const auto [c, length] = decoded(name, at);
        text.push_back(folded(c));
        at += length;
    }
    return text;
}

} // namespace

int compareWithoutCase(std::string_view a, std::string_view b)
{
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const auto [x, xLength] = decoded(a, i);
        const auto [y, yLength] = decoded(b, j);
        const char32_t fx = folded(x);
        const char32_t fy = folded(y);
        if (fx != fy)
            return fx < fy ? -1 : 1;
        i += xLength;
        j += yLength;
    }
    if (i < a.size())
        return 1;
    return j < b.size() ? -1 : 0;
}

bool before(std::string_view a, std::string_view b)
{
    const int order = compareWithoutCase(a, b);
    return order != 0 ? order < 0 : a < b;
}

void sort(std::vector<std::string>& names)
{
    std::vector<std::pair<std::u32string, std::string>> keyed;
    keyed.reserve(names.size());
    for (std::string& name : names)
        keyed.emplace_back(foldedText(name), std::move(name));
    std::sort(keyed.begin(), keyed.end());
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = std::move(keyed[i].second);
}

} // namespace tk::names
