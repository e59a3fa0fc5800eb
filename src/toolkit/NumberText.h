#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tk {

// The shortest text that reads back as the same single-precision number ("0", "30", "8.25").
std::string singleText(float value);
// A number written as text, with a point or a comma as the decimal separator and blanks
// around it allowed; empty when it is none.
std::optional<double> parseNumber(std::string_view text);
// A whole number that fits 32 bits, rounded from the text's number; empty when it is none.
std::optional<std::int32_t> parseWholeNumber(std::string_view text);
// The value rounded to four decimals and written without trailing zeros ("24", "15.75").
std::string currencyText(double value);
// The value rounded to four decimals, as fixed-point money arithmetic would hold it.
double toCurrency(double value);

} // namespace tk
