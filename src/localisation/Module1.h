#pragma once

#include "LanguageTables.h"
#include "Platform.h"

#include <string>

class LocalisedWindows;

// The current language and the texts that other windows show later, and the routine that
// puts one language's texts in place.
class Module1 {
public:
    explicit Module1(LocalisedWindows& windows)
        : m_windows(windows)
    {
    }

    // 0 Russian, 1 English.
    float Localisation = 0;

    std::string strPicNotFound;
    std::string strSlidePeriod;
    std::string strNoFile;
    std::string strSovet;
    std::string strSaveFailed;
    // OK in the chooser on a file that no picture can be made of.
    std::string strCannotShow;
    // The chooser's path field on a drive that cannot be opened, after the drive's name.
    std::string strDriveNotAvailable;
    std::string strDriveAccessDenied;

    // Puts the texts of language `lang` in place: 0 Russian, 1 English, any other value
    // none, though a value that rounds to 0 or 1 still marks that language.
    void DoLocalisation(float lang);

    // Why `drive` cannot be opened, in the current language.
    std::string driveFailureText(const std::string& drive, tk::DriveFailure why) const;

    // The texts of a language value, or null when it names none.
    static const LanguageTexts* textsOf(float lang);

private:
    LocalisedWindows& m_windows;
};
