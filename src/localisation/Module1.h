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

    // On saving, when the chosen picture's path is not found and the old picture stays; also
    // for a slide folder whose name cannot be stored.
    std::string strPicNotFound;
    // When the slide period typed in the chooser is rejected.
    std::string strSlidePeriod;
    // OK in the chooser with no file selected: a question whether to go on choosing.
    std::string strNoFile;
    // The chooser's hint: the size, back and kind of picture the centre wants.
    std::string strSovet;
    // When "Save" cannot write the settings file; saveFailureText() adds the file and why.
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
    // That the settings could not be saved, the file's path, and why, in the current language.
    std::string saveFailureText(const std::string& path, tk::WriteFailure why) const;

    // The texts of a language value, or null when it names none.
    static const LanguageTexts* textsOf(float lang);

private:
    LocalisedWindows& m_windows;
    const LanguageTexts* m_texts = &kEnglish;
};
