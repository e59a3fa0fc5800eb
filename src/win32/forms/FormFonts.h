#pragma once

#include "Units.h"

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

namespace tk {
class Control;
} // namespace tk

// The fonts of a dialog's controls, made once for each face, size and weight at the window's
// dots per inch. A caption that would not fit its control gets a smaller size of its font.
class FormFonts {
public:
    FormFonts() = default;
    ~FormFonts();
    FormFonts(const FormFonts&) = delete;
    FormFonts& operator=(const FormFonts&) = delete;

    // Takes the units of a new dots per inch; the fonts made so far are let go.
    void setUnits(tk::Units units);
    // The control's font, fitted to the room its native control leaves its caption.
    HFONT fontFor(const tk::Control& control, HWND handle);
    HFONT font(const std::wstring& face, int pixels, bool bold);

private:
    using Key = std::tuple<std::wstring, int, bool>;

    void clear();

    tk::Units m_units;
    std::map<Key, HFONT> m_fonts;
};
