#include "NumberText.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

TEST(NumberText, SingleTextIsTheShortestForm)
{
    const std::vector<std::pair<float, std::string>> cases = {
        {0.0f, "0"}, {30.0f, "30"},   {8.25f, "8.25"},   {1.8f, "1.8"},
        {1.0f, "1"}, {-2.5f, "-2.5"}, {15.75f, "15.75"}, {8421631.0f, "8421631"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(tk::singleText(value), text) << value;
}

TEST(NumberText, ParseNumberAcceptsNumbersWithBlanksOnly)
{
    const std::vector<std::pair<std::string, std::optional<double>>> cases = {
        {"0", 0.0},
        {"30", 30.0},
        {" 12 ", 12.0},
        {"  8.25", 8.25},
        {"1e3", 1000.0},
        {"-4", -4.0},
        {"+7", 7.0},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"abc", std::nullopt},
        {"12abc", std::nullopt},
        {"1 2", std::nullopt},
        {"big", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
    };
    for (const auto& [text, number] : cases)
        EXPECT_EQ(tk::parseNumber(text), number) << '"' << text << '"';
}

TEST(NumberText, ParseWholeNumberRoundsAndChecksTheRange)
{
    const std::vector<std::pair<std::string, std::optional<std::int32_t>>> cases = {
        {"255", 255},
        {"8421631", 8421631},
        {"2.6", 3},
        {"-1", -1},
        {"xyz", std::nullopt},
        {"", std::nullopt},
        {"1e10", std::nullopt},
        {"2147483647", 2147483647},
    };
    for (const auto& [text, number] : cases)
        EXPECT_EQ(tk::parseWholeNumber(text), number) << '"' << text << '"';
}

TEST(NumberText, CurrencyTextHasFourDecimalsWithoutTrailingZeros)
{
    const std::vector<std::pair<double, std::string>> cases = {
        {24, "24"},      {15.75, "15.75"},           {20.00004, "20"},
        {0, "0"},        {21.000000000000004, "21"}, {12.34567, "12.3457"},
        {-0.00001, "0"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(tk::currencyText(value), text) << value;
}

} // namespace
