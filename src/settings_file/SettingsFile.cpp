#include "SettingsFile.h"

#include "NumberText.h"
#include "PathText.h"
#include "Platform.h"

#include <algorithm>

namespace {

constexpr std::string_view kFileName = "Tikora_Clock.ini";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kRussian = "0";

float numberOr(const std::string& text, float fallback)
{
    const auto value = tk::parseNumber(text);
    return value ? static_cast<float>(*value) : fallback;
}

} // namespace

std::string SettingsFile::path() const
{
    return tk::path::join(m_platform.settingsFolder(), kFileName);
}

bool SettingsFile::missing() const
{
    return m_platform.dir(path()).empty();
}

bool SettingsFile::read(SettingsValues& values) const
{
    for (const SettingsLine& line : kSettingsLines)
        values.text(line.slot) = line.defaultText;
    const auto contents = m_platform.readFile(path());
    const auto lines = splitLines(withoutByteOrderMark(contents.value_or(std::string())));
    for (std::size_t n = 0; n < lines.size() && n < values.strSettings.size(); ++n)
        values.strSettings[n] = valueOf(lines[n]);
    values.ViewTime = optionIndex(values.text(SettingsSlot::ViewTime));
    values.ShapeWidth = optionIndex(values.text(SettingsSlot::ShapeWidth));
    // The dialog saves the second clock style only with "Equal size", whose label boxes its
    // large figures need; a file with "Different size" beside it reads as the dialog saves it.
    if (values.clock2())
        values.ShapeWidth = 1;
    values.PicCenter = values.text(SettingsSlot::PicCenter);
    values.SlideShowTime = slidePeriod(values.text(SettingsSlot::SlideShowTime));
    return contents.has_value();
}

tk::WriteFailure SettingsFile::write(const Lines& values) const
{
    const bool splitsALine = std::any_of(values.begin(), values.end(), [](const std::string& v) {
        return v.find_first_of("\r\n") != std::string::npos;
    });
    return splitsALine ? tk::WriteFailure::Other : m_platform.writeFile(path(), compose(values));
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

std::string SettingsFile::compose(const Lines& values)
{
    std::string text;
    for (const SettingsLine& line : kSettingsLines) {
        text += line.key;
        text += values[line.slot];
        text += kLineEnd;
    }
    return text;
}

float SettingsFile::language(const std::string& text)
{
    return text == kRussian ? 0.0f : 1.0f;
}

float SettingsFile::optionIndex(const std::string& text)
{
    return numberOr(text, 0) == 0 ? 0.0f : 1.0f;
}

float SettingsFile::slidePeriod(const std::string& text)
{
    const SettingsLine& line = settingsLine(SettingsSlot::SlideShowTime);
    return static_cast<float>(std::clamp<double>(numberOr(text, 0), line.least, line.most));
}
