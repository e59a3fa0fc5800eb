#include "Module1.h"

#include "LocalisedWindows.h"

#include <cmath>

const LanguageTexts* Module1::textsOf(float lang)
{
    if (lang == 0)
        return &kRussian;
    if (lang == 1)
        return &kEnglish;
    return nullptr;
}

void Module1::DoLocalisation(float lang)
{
    const int k = static_cast<int>(std::nearbyint(lang));
    const bool marked = k == 0 || k == 1;
    if (marked)
        Localisation = static_cast<float>(k);
    const LanguageTexts* texts = textsOf(lang);
    if (texts) {
        m_texts = texts;
        strPicNotFound = texts->strPicNotFound;
        strSovet = texts->strSovet;
        strSlidePeriod = texts->strSlidePeriod;
        strNoFile = texts->strNoFile;
        strSaveFailed = texts->strSaveFailed;
        strCannotShow = texts->strCannotShow;
        strDriveNotAvailable = texts->strDriveNotAvailable;
        strDriveAccessDenied = texts->strDriveAccessDenied;
    }
    m_windows.showLanguage(texts, marked ? k : -1);
}

std::string Module1::driveFailureText(const std::string& drive, tk::DriveFailure why) const
{
    return drive +
           (why == tk::DriveFailure::AccessDenied ? strDriveAccessDenied : strDriveNotAvailable);
}

std::string Module1::saveFailureText(const std::string& path, tk::WriteFailure why) const
{
    const auto reason = static_cast<std::size_t>(why) - 1;
    const auto& reasons = m_texts->saveFailureReasons;
    return strSaveFailed + "\n" + path +
           (reason < reasons.size() ? "\n" + std::string(reasons[reason]) : std::string());
}
