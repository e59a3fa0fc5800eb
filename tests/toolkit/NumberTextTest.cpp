#include "NumberText.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(NumberText, CurrencyTextsAndNumbers)
{
    const std::pair<double, const char*> currencies[] = {
        {24, "24"}, {15.75, "15.75"}, {20.00004, "20"}, {12.34567, "12.3457"}, {-0.00001, "0"}};
    for (const auto& [value, text] : currencies)
        EXPECT_EQ(tk::currencyText(value), text) << value;
    // Numbers are read with blanks around them only, with a point or a comma.
    const std::pair<const char*, std::optional<double>> numbers[] = {
        {" 12 ", 12.0}, {"  8.25", 8.25}, {"1e3", 1000.0},  {"-4", -4.0},  {"+7", 7.0},
        {"", {}},       {"   ", {}},      {"12abc", {}},    {"1 2", {}},   {"inf", {}},
        {"nan", {}},    {"2,5", 2.5},     {" 8,25 ", 8.25}, {"1,2,3", {}}, {"1.5,0", {}}};
    for (const auto& [text, number] : numbers)
        EXPECT_EQ(tk::parseNumber(text), number) << '"' << text << '"';
    const std::pair<const char*, std::optional<std::int32_t>> wholes[] = {
        {"8421631", 8421631}, {"2.6", 3},   {"-1", -1},
        {"xyz", {}},          {"1e10", {}}, {"2147483647", 2147483647}};
    for (const auto& [text, number] : wholes)
        EXPECT_EQ(tk::parseWholeNumber(text), number) << '"' << text << '"';
}

} // namespace
