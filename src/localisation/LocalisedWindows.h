#pragma once

#include "LanguageTables.h"

// The windows whose captions come from the language tables, as the language routine reaches
// them: it hands them one language's texts and the index of the language label to mark.
class LocalisedWindows {
public:
    virtual ~LocalisedWindows() = default;

    // `texts` is null for a value that names no language: the captions then stay as they
    // are. `chosen` is the language label to draw in blue, or -1 for none.
    virtual void showLanguage(const LanguageTexts* texts, int chosen) = 0;
};
