#pragma once

#include "Platform.h"
#include "SettingsSlot.h"
#include "SettingsValues.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The settings file in the settings folder: 13 lines of a key, its "=" and a value, read by
// position and written whole.
class SettingsFile {
public:
    static constexpr int kLineCount = kSettingsLineCount;
    // The lines' values, in the order of their slots.
    struct Lines : std::array<std::string, kLineCount> {
        using array::operator[];
        std::string& operator[](SettingsSlot slot) { return (*this)[slotIndex(slot)]; }
        const std::string& operator[](SettingsSlot slot) const { return (*this)[slotIndex(slot)]; }
    };

    explicit SettingsFile(tk::Platform& platform)
        : m_platform(platform)
    {
    }

    std::string path() const;
    // Whether there is nothing at the settings path: then the default file is written. A path
    // that holds something that cannot be read is the user's and is never written over.
    bool missing() const;
    // Puts the defaults in every slot, then the file's lines over them, and reads the typed
    // values from the slots; false, with the defaults, when the file cannot be read.
    bool read(SettingsValues& values) const;
    // Writes the 13 values after their keys; says why when the file could not be written, or
    // when a value holds a line break, which would shift every later setting by a line.
    tk::WriteFailure write(const Lines& values) const;

    // The language a stored text names: only "0" is Russian; anything else is English.
    static float language(const std::string& text);
    // An option's index as the dialog writes it: 0 stays 0, and any other number, which the
    // program takes as the second option, reads as 1; a text that is no number gives 0.
    static float optionIndex(const std::string& text);
    // A period the chooser can never give runs at the nearest one it can: a negative one stops
    // the show, a longer one shows a slide a day.
    static float slidePeriod(const std::string& text);

    // The text without the UTF-8 byte-order mark that some editors put at its start.
    static std::string_view withoutByteOrderMark(std::string_view text);
    // The lines of a text, ended by CR LF, LF alone or CR alone.
    static std::vector<std::string> splitLines(std::string_view text);
    // Everything right of the first "=", or the whole line when it holds none.
    static std::string valueOf(std::string_view line);
    static std::string compose(const Lines& values);

private:
    tk::Platform& m_platform;
};
