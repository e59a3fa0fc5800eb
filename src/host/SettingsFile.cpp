#include "SettingsFile.h"

#include "Font.h"
#include "Form1.h"
#include "Form2.h"
#include "NumberText.h"
#include "Platform.h"
#include "SlidePeriod.h"
#include "TikoraClock.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::string_view kFileName = "Tikora_Clock.ini";
constexpr std::string_view kLineEnd = "\r\n";
constexpr int kSlotCount = 16;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr double kLargestColour = 0xFFFFFF;

} // namespace

std::string SettingsFile::path() const
{
    return m_run.platform().settingsFolder() + tk::kPathSeparator + std::string(kFileName);
}

std::string_view SettingsFile::withoutByteOrderMark(std::string_view text)
{
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    return text;
}

std::vector<std::string> SettingsFile::splitLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n')
            ++start;
    }
    return lines;
}

std::string SettingsFile::valueOf(std::string_view line)
{
    const std::size_t equals = line.find('=');
    return std::string(equals == std::string_view::npos ? line : line.substr(equals + 1));
}

std::string SettingsFile::compose(const std::array<std::string, kLineCount>& values)
{
    std::string text;
    for (int i = 0; i < kLineCount; ++i) {
        text += kSettings[i].key;
        text += values[i];
        text += kLineEnd;
    }
    return text;
}

float SettingsFile::numberOr(const std::string& text, float fallback)
{
    const auto value = tk::parseNumber(text);
    return value ? static_cast<float>(*value) : fallback;
}

void SettingsFile::readAtStartUp()
{
    Module1& m = m_run.module1();
    tk::Platform& platform = m_run.platform();
    for (int i = 0; i < kLineCount; ++i)
        m.strSettings[i] = kSettings[i].defaultText;
    const std::string file = path();
    const auto contents = platform.readFile(file);
    if (!contents) {
        // A file that is there but cannot be read is the user's: run on the defaults and
        // leave it alone rather than overwrite it.
        if (platform.dir(file).empty()) {
            readMissingFile();
            return;
        }
    }
    const auto lines = splitLines(withoutByteOrderMark(contents.value_or(std::string())));
    for (std::size_t n = 0; n < lines.size() && n < kSlotCount; ++n)
        m.strSettings[n] = valueOf(lines[n]);
    m.ViewTime = optionIndex(m.strSettings[0]);
    m.ShapeWidth = optionIndex(m.strSettings[1]);
    m.PicCenter = m.strSettings[2];
    m.SlideShowTime = slidePeriod(m.strSettings[3]);
    // Only "0" names Russian; other digits name no language and, like any other text, give
    // English.
    m.Localisation = m.strSettings[4] == "0" ? 0.0f : 1.0f;
    m.DoLocalisation(m.Localisation);
}

void SettingsFile::readMissingFile()
{
    Module1& m = m_run.module1();
    Form2& dialog = m_run.form2();
    m.ViewTime = 0;
    m.ShapeWidth = 0;
    m.DoLocalisation(1);
    m.PicCenter = dialog.optPIC[0].caption();
    m.SlideShowTime = 0;
    std::array<std::string, kLineCount> values;
    values[0] = tk::singleText(m.ViewTime);
    values[1] = tk::singleText(m.ShapeWidth);
    values[2] = m.PicCenter;
    values[3] = "0";
    values[4] = tk::singleText(m.Localisation);
    values[5] = std::to_string(dialog.chkBG[0].value());
    for (int i = 6; i < kLineCount; ++i)
        values[i] = m.strSettings[i];
    // A folder that cannot be written leaves the clock on its defaults, silently.
    m_run.platform().writeFile(path(), compose(values));
}

bool SettingsFile::save()
{
    const Module1& m = m_run.module1();
    const Form1& clock = m_run.form1();
    const Form2& dialog = m_run.form2();
    std::array<std::string, kLineCount> values;
    values[0] = tk::singleText(m.ViewTime);
    values[1] = tk::singleText(m.ShapeWidth);
    values[2] = m.PicCenter;
    values[3] = tk::singleText(m.SlideShowTime);
    values[4] = tk::singleText(m.Localisation);
    values[5] = std::to_string(dialog.chkBG[0].value());
    values[6] = std::to_string(clock.lblS[2].foreColor());
    values[7] = std::to_string(clock.lblS[1].foreColor());
    values[8] = std::to_string(clock.lblS[0].foreColor());
    values[9] = std::to_string(clock.ShapeS[2].backColor());
    values[10] = tk::singleText(clock.lblS[2].font().size);
    values[11] = clock.lblS[2].font().name;
    values[12] = std::to_string(dialog.chkBG[1].value());
    // A value that holds a line break would shift every later setting by a line, so such a
    // file is never written, and the old one stays as it was.
    const bool splitsALine = std::any_of(values.begin(), values.end(), [](const std::string& v) {
        return v.find_first_of("\r\n") != std::string::npos;
    });
    return !splitsALine && m_run.platform().writeFile(path(), compose(values));
}

float SettingsFile::optionIndex(const std::string& text)
{
    return numberOr(text, 0) == 0 ? 0.0f : 1.0f;
}

// A period the chooser can never give runs at the nearest one it can: a negative one stops the
// show, a longer one shows a slide a day.
float SettingsFile::slidePeriod(const std::string& text)
{
    return static_cast<float>(std::clamp<double>(numberOr(text, 0), 0, kLongestSlidePeriod));
}

tk::Colour SettingsFile::colour(int slot) const
{
    const auto value = tk::parseNumber(m_run.module1().strSettings[slot]);
    if (!value)
        return *tk::parseWholeNumber(kSettings[slot].defaultText);
    return static_cast<tk::Colour>(std::nearbyint(std::clamp(*value, 0.0, kLargestColour)));
}

float SettingsFile::fontSize(int slot) const
{
    const float fallback = static_cast<float>(*tk::parseNumber(kSettings[slot].defaultText));
    const float value = numberOr(m_run.module1().strSettings[slot], fallback);
    return std::clamp(value, tk::kSmallestFontSize, tk::kLargestFontSize);
}

int SettingsFile::checkValue(int slot) const
{
    return tk::parseWholeNumber(m_run.module1().strSettings[slot]) == 1 ? 1 : 0;
}
