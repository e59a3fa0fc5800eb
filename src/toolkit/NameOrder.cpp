#include "NameOrder.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tk::names {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Capitals that fold by a fixed distance.
struct Shift {
    char32_t first;
    char32_t last;
    int distance;
};
constexpr std::array<Shift, 12> kShifts{{{0x41, 0x5A, 32},
                                         {0xC0, 0xD6, 32},
                                         {0xD8, 0xDE, 32},
                                         {0x388, 0x38A, 37},
                                         {0x38E, 0x38F, 63},
                                         {0x391, 0x3A1, 32},
                                         {0x3A3, 0x3AB, 32},
                                         {0x3FD, 0x3FF, -130},
                                         {0x400, 0x40F, 80},
                                         {0x410, 0x42F, 32},
                                         {0x531, 0x556, 48},
                                         {0xFF21, 0xFF3A, 32}}};

// Runs where a capital and its small letter alternate, the capital first.
struct Pairs {
    char32_t first;
    char32_t last;
};
constexpr std::array<Pairs, 18> kPairs{{{0x100, 0x12E},
                                        {0x132, 0x136},
                                        {0x139, 0x147},
                                        {0x14A, 0x176},
                                        {0x179, 0x17D},
                                        {0x1A0, 0x1A4},
                                        {0x1CD, 0x1DB},
                                        {0x1DE, 0x1EE},
                                        {0x1F8, 0x21E},
                                        {0x222, 0x232},
                                        {0x370, 0x372},
                                        {0x3D8, 0x3EE},
                                        {0x460, 0x480},
                                        {0x48A, 0x4BE},
                                        {0x4C1, 0x4CD},
                                        {0x4D0, 0x52E},
                                        {0x1E00, 0x1E94},
                                        {0x1EA0, 0x1EFE}}};

// Letters with a fold of their own, the Greek symbol forms and the final sigma among them.
constexpr std::array<std::pair<char32_t, char32_t>, 35> kSingles{{
    {0x181, 0x253}, {0x1C4, 0x1C6}, {0x1C5, 0x1C6},  {0x1C7, 0x1C9}, {0x1C8, 0x1C9}, {0x1CA, 0x1CC},
    {0x1CB, 0x1CC}, {0x1F1, 0x1F3}, {0x1F2, 0x1F3},  {0xB5, 0x3BC},  {0x178, 0xFF},  {0x17F, 0x73},
    {0x345, 0x3B9}, {0x376, 0x377}, {0x37F, 0x3F3},  {0x386, 0x3AC}, {0x38C, 0x3CC}, {0x3C2, 0x3C3},
    {0x3CF, 0x3D7}, {0x3D0, 0x3B2}, {0x3D1, 0x3B8},  {0x3D5, 0x3C6}, {0x3D6, 0x3C0}, {0x3F0, 0x3BA},
    {0x3F1, 0x3C1}, {0x3F4, 0x3B8}, {0x3F5, 0x3B5},  {0x3F7, 0x3F8}, {0x3F9, 0x3F2}, {0x3FA, 0x3FB},
    {0x4C0, 0x4CF}, {0x1E9E, 0xDF}, {0x2126, 0x3C9}, {0x212A, 0x6B}, {0x212B, 0xE5},
}};

char32_t foldedLetter(char32_t c)
{
    for (const Shift& shift : kShifts) {
        if (c >= shift.first && c <= shift.last)
            return static_cast<char32_t>(static_cast<int>(c) + shift.distance);
    }
    for (const Pairs& pairs : kPairs) {
        if (c >= pairs.first && c <= pairs.last && (c - pairs.first) % 2 == 0)
            return c + 1;
    }
    for (const auto& [from, to] : kSingles) {
        if (c == from)
            return to;
    }
    return c;
}

// The folded character's place in the order: its code point, but that the characters from
// U+E000 to U+FFFF come after those past U+FFFF, as in UTF-16, by whose units Qt compared.
char32_t folded(char32_t c)
{
    constexpr char32_t kPastUnicode = 0x110000;
    const char32_t letter = foldedLetter(c);
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
