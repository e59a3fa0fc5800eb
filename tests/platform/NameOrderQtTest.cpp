#include "NameOrder.h"
#include <QString>
#include <gtest/gtest.h>

// A name as Qt holds it and as the toolkit does, in UTF-8.
struct Name {
    QString qt;
    std::string utf8 = qt.toStdString();
};

// Whether the toolkit orders the two names as Qt does without regard to case.
static bool agrees(const Name& a, const Name& b)
{
    const int qt = a.qt.compare(b.qt, Qt::CaseInsensitive);
    const int toolkit = tk::names::compareWithoutCase(a.utf8, b.utf8);
    return (qt < 0) == (toolkit < 0) && (qt > 0) == (toolkit > 0);
}

TEST(NameOrderQtTest, CharactersAndNamesOfMixedScriptsOrderAsInQt)
{
    const auto named = [](std::u32string_view t) {
        return Name{QString::fromUcs4(t.data(), t.size())};
    };
    // Marks around the surrogates, whose UTF-16 units Qt compares, then every two-letter name.
    std::vector<Name> names{named(U"a"), named(U"\uE000"), named(U"\U00010000"), named(U"\uFFFD")};
    for (char32_t first :
         std::u32string_view(U"aZ_éßẞİſσΣДԱⴀᏀꭰⅠⒶＡ\uE000𐐀𐐨𞤀ǅƯƏ"))
        for (char32_t second : std::u32string_view(U"AzıςдաႠⅰⓐａ\uFFFD𞤢ǄǆưəÉ9"))
            names.push_back(named(std::u32string{first, second}));
    for (const Name& a : names)
        for (const Name& b : names)
            ASSERT_TRUE(agrees(a, b)) << a.utf8 << " against " << b.utf8;
    // Every character against its fold, the character before it and, both ways, the marks.
    Name previous = named(U"");
    for (char32_t c = 1; c <= 0x10FFFF; c = c == 0xD7FF ? 0xE000 : c + 1) {
        const Name name = named({&c, 1});
        const char32_t fold = QChar::toCaseFolded(c);
        ASSERT_TRUE((fold == c || agrees(name, named({&fold, 1}))) && agrees(name, previous) &&
                    std::all_of(names.begin(), names.begin() + 4,
                                [&](const Name& m) { return agrees(name, m) && agrees(m, name); }))
            << "U+" << std::hex << unsigned(c);
        previous = name;
    }
}
