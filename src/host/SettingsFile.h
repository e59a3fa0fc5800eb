#pragma once

#include "Colour.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

class TikoraClock;

// The settings file in the settings folder: 13 lines of a key, its "=" and a value, read by
// position and written whole.
class SettingsFile {
public:
    static constexpr int kLineCount = 13;
    struct Setting {
        std::string_view key;
        std::string_view defaultText;
    };
    static constexpr std::array<Setting, kLineCount> kSettings{{
        {"ViewTime=", "0"},
        {"ShapeWidth=", "0"},
        {"PicCenter=", "Default"},
        {"SlideShowTime=", "0"},
        {"Localisation=", "1"},
        {"Back=", "0"},
        {"HColor=", "255"},
        {"MColor=", "8421631"},
        {"SColor=", "12632319"},
        {"CColor=", "0"},
        {"HSize=", "30"},
        {"FName=", "Tahoma"},
        {"Clock2=", "0"},
    }};

    explicit SettingsFile(TikoraClock& run)
        : m_run(run)
    {
    }

    std::string path() const;
    // Fills the settings from the file, or writes the default file when there is none.
    void readAtStartUp();
    // Writes the 13 lines from the live values; false when the file could not be written.
    bool save();

    // A slot read as the colour, font size or check-box value it must be, or as its default's
    // meaning when it does not read as a number. A number that the settings dialog could never
    // have written reads as the nearest one it can write, so that no hand-edited file can
    // break the face.
    tk::Colour colour(int slot) const;
    float fontSize(int slot) const;
    int checkValue(int slot) const;
    // An option's index as the dialog writes it: 0 stays 0, and any other number, which the
    // program takes as the second option, reads as 1; a text that is no number gives 0.
    static float optionIndex(const std::string& text);
    static float slidePeriod(const std::string& text);

    // The text without the UTF-8 byte-order mark that some editors put at its start.
    static std::string_view withoutByteOrderMark(std::string_view text);
    // The lines of a text, ended by CR LF, LF alone or CR alone.
    static std::vector<std::string> splitLines(std::string_view text);
    // Everything right of the first "=", or the whole line when it holds none.
    static std::string valueOf(std::string_view line);
    static std::string compose(const std::array<std::string, kLineCount>& values);

private:
    void readMissingFile();
    static float numberOr(const std::string& text, float fallback);

    TikoraClock& m_run;
};
