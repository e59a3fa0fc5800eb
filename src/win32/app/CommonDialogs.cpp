#include "CommonDialogs.h"

#include "WideText.h"

#include <commdlg.h>

#include <cmath>
#include <cwchar>

namespace {

// The tenths of a point that ChooseFontW gives the chosen size in.
constexpr float kTenthsPerPoint = 10.0f;
constexpr int kPointsPerInch = 72;

UINT iconStyle(tk::MessageIcon icon)
{
    switch (icon) {
    case tk::MessageIcon::Information:
        return MB_ICONINFORMATION;
    case tk::MessageIcon::Warning:
        return MB_ICONWARNING;
    case tk::MessageIcon::None:
        break;
    }
    return 0;
}

LOGFONTW logFont(const tk::FontChoice& preset, int dotsPerInch)
{
    LOGFONTW font = {};
    font.lfHeight = -static_cast<LONG>(std::lround(preset.size * dotsPerInch / kPointsPerInch));
    font.lfWeight = preset.bold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = preset.italic;
    font.lfUnderline = preset.underline;
    font.lfStrikeOut = preset.strikethrough;
    font.lfCharSet = DEFAULT_CHARSET;
    const std::wstring name = os::wideText::fromUtf8(preset.name);
    std::wcsncpy(font.lfFaceName, name.c_str(), LF_FACESIZE - 1);
    return font;
}

} // namespace

tk::MessageAnswer CommonDialogs::messageBox(HWND owner, const std::string& text,
                                            const std::string& title, tk::MessageIcon icon,
                                            tk::MessageButtons buttons)
{
    const UINT style = iconStyle(icon) |
                       (buttons == tk::MessageButtons::OkCancel ? MB_OKCANCEL : MB_OK) |
                       MB_TOPMOST | MB_SETFOREGROUND;
    const int answer = ::MessageBoxW(owner, os::wideText::fromUtf8(text).c_str(),
                                     os::wideText::fromUtf8(title).c_str(), style);
    return answer == IDCANCEL ? tk::MessageAnswer::Cancel : tk::MessageAnswer::Ok;
}

std::optional<tk::Colour> CommonDialogs::pickColour(HWND owner, tk::Colour preset)
{
    // The dialog's sixteen custom colours last as long as the dialog; none are kept between.
    COLORREF custom[16] = {};
    CHOOSECOLORW choice = {};
    choice.lStructSize = sizeof(choice);
    choice.hwndOwner = owner;
    choice.rgbResult = static_cast<COLORREF>(preset) & 0xFFFFFF;
    choice.lpCustColors = custom;
    choice.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!::ChooseColorW(&choice))
        return std::nullopt;
    return static_cast<tk::Colour>(choice.rgbResult);
}

std::optional<tk::FontChoice> CommonDialogs::pickFont(HWND owner, const tk::FontChoice& preset,
                                                      int flags, int dotsPerInch)
{
    LOGFONTW font = logFont(preset, dotsPerInch);
    CHOOSEFONTW choice = {};
    choice.lStructSize = sizeof(choice);
    choice.hwndOwner = owner;
    choice.lpLogFont = &font;
    choice.Flags = static_cast<DWORD>(flags) | CF_INITTOLOGFONTSTRUCT;
    choice.rgbColors = static_cast<COLORREF>(preset.colour) & 0xFFFFFF;
    if (!::ChooseFontW(&choice))
        return std::nullopt;
    tk::FontChoice chosen;
    chosen.name = os::wideText::toUtf8(font.lfFaceName);
    chosen.size = static_cast<float>(choice.iPointSize) / kTenthsPerPoint;
    chosen.bold = font.lfWeight >= FW_BOLD;
    chosen.italic = font.lfItalic != 0;
    chosen.underline = font.lfUnderline != 0;
    chosen.strikethrough = font.lfStrikeOut != 0;
    chosen.colour = static_cast<tk::Colour>(choice.rgbColors);
    return chosen;
}
