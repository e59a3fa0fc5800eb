#include "NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace tk {

namespace {

// Longer texts are no number anyone writes; refusing them keeps the reading on the stack.
constexpr std::size_t kLongestNumber = 64;

} // namespace

std::string singleText(float value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::optional<double> parseNumber(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty() || text.size() > kLongestNumber)
        return std::nullopt;
    // A comma is the decimal separator where the locale writes one; either is read, whatever
    // the locale, so a file keeps its meaning when it moves between machines.
    char buffer[kLongestNumber];
    const std::size_t length = text.copy(buffer, sizeof buffer);
    char* const end = buffer + length;
    if (std::count(buffer, end, ',') == 1 && std::find(buffer, end, '.') == end)
        *std::find(buffer, end, ',') = '.';
    double value = 0;
    const auto result = std::from_chars(buffer, end, value);
    if (result.ec != std::errc() || result.ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::int32_t> parseWholeNumber(std::string_view text)
{
    const auto number = parseNumber(text);
    if (!number)
        return std::nullopt;
    const double rounded = std::nearbyint(*number);
    if (rounded < std::numeric_limits<std::int32_t>::min() ||
        rounded > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

double toCurrency(double value)
{
    return std::nearbyint(value * 10000.0) / 10000.0;
}

std::string currencyText(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.4f", toCurrency(value));
    std::string text(buffer);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    if (text == "-0")
        text = "0";
    return text;
}

} // namespace tk
