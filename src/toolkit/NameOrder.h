#pragma once

#include <string>
#include <string_view>
#include <vector>

// The one order of file, folder and drive names that every list shows: by their letters
// without regard to case, then, for names that differ only in case or in bytes that are no
// text, by their bytes. Names are UTF-8; characters are compared after Unicode's simple case
// folding (tk::caseFolded) by code point, but for U+E000 to U+FFFF, which come after the
// characters past U+FFFF as in UTF-16; a byte that is no UTF-8 reads as the replacement
// character U+FFFD. This is the order of Qt's comparison without regard to case, so that the
// lists keep the order they have always had.
namespace tk::names {

// Below, at or above 0: the order of two names without regard to case alone.
int compareWithoutCase(std::string_view a, std::string_view b);
// Whether `a` comes before `b`: without regard to case, then by bytes.
bool before(std::string_view a, std::string_view b);
// Sorts names in that order. Each name is read as text once, not at every comparison: a
// folder may hold 100,000 files.
void sort(std::vector<std::string>& names);

} // namespace tk::names
