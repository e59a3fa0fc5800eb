#include "NumberText.h"
#include "PathText.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

namespace {

TEST(NumberText, CurrencyTextsAndNumbers)
{
    const std::pair<double, const char*> currencies[] = {
        {24, "24"}, {15.75, "15.75"}, {20.00004, "20"}, {12.34567, "12.3457"}, {-0.00001, "0"}};
    for (const auto& [value, text] : currencies)
        EXPECT_EQ(tk::currencyText(value), text) << value;
    const std::pair<float, const char*> singles[] = {
        {30, "30"}, {8.25f, "8.25"}, {0.0004f, "4e-04"}, {16777215, "16777215"}};
    for (const auto& [value, text] : singles)
        EXPECT_EQ(tk::singleText(value), text) << value;
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

TEST(PathText, FoldersAndNames)
{
#ifndef _WIN32
    // A path, the same path normalised, and its parent.
    const std::tuple<std::string, std::string, std::string> folders[] = {
        {"/", "/", "/"},          {"//", "/", "/"},         {"/home", "/home", "/"},
        {"/home/", "/home", "/"}, {"/a/b//", "/a/b", "/a"}, {"/a/C:", "/a/C:", "/a"},
        {"C:", "C:", "C:"}};
    for (const auto& [path, normal, parent] : folders) {
        EXPECT_EQ(tk::path::normalised(path), normal) << path;
        EXPECT_EQ(tk::path::parentOf(path), parent) << path;
        EXPECT_EQ(tk::path::isRoot(path), path == "/") << path;
    }
    EXPECT_EQ(tk::path::join("/", "a.gif") + " " + tk::path::join("/pics", "*.gif"),
              "/a.gif /pics/*.gif");
    // A folder, a path, and whether the path is the folder or lies in it.
    const std::tuple<const char*, const char*, bool> inside[] = {
        {"/", "/home/user", true},
        {"/home/user", "/home/user", true},
        {"/home/u", "/home/user", false},
        {"/home/user/", "/home/user/pics", true},
        {"/home/user", "/home", false}};
    for (const auto& [folder, path, in] : inside)
        EXPECT_EQ(tk::path::contains(folder, path), in) << folder << " " << path;
#endif
}

} // namespace
