#include "NumberText.h"
#include "PathText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

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

// The path written with '/', in the platform's own separator.
std::string native(std::string path)
{
    std::ranges::replace(path, '/', tk::kPathSeparator);
    return path;
}

TEST(PathText, FoldersAndNames)
{
    const bool windows = tk::kWindowsPaths;
    struct Folder {
        const char* name;
        std::string path, normal, parent;
        bool root;
    };
    const Folder folders[] = {
        {"the root", native("/"), native("/"), native("/"), true},
        {"a doubled root", native("//"), native("/"), native("/"), false},
        {"a folder at the root", native("/home"), native("/home"), native("/"), false},
        {"a trailing separator", native("/home/"), native("/home"), native("/"), false},
        {"separators at the end", native("/a/b//"), native("/a/b"), native("/a"), false},
        {"a colon in a folder's name", native("/a/C:"), native("/a/C:"), native("/a"), false},
        {"a drive letter, a root on Windows only", "C:", native(windows ? "C:/" : "C:"),
         native(windows ? "C:/" : "C:"), windows},
        {"'/' separates on Windows too", "C:/pics/", "C:/pics", native(windows ? "C:/" : "C:"),
         false},
        {"'\\' separates on Windows only", "/a\\b", "/a\\b", windows ? "/a" : "/", false}};
    for (const auto& row : folders) {
        EXPECT_EQ(tk::path::normalised(row.path), row.normal) << row.name;
        EXPECT_EQ(tk::path::parentOf(row.path), row.parent) << row.name;
        EXPECT_EQ(tk::path::isRoot(row.path), row.root) << row.name;
    }

    struct Split {
        const char* name;
        std::string folder, file, joined, folderPart, namePart;
    };
    const Split splits[] = {
        {"a file at the root", native("/"), "a.gif", native("/a.gif"), native("/"), "a.gif"},
        {"a wildcard in a folder", native("/pics"), "*.gif", native("/pics/*.gif"),
         native("/pics/"), "*.gif"},
        {"a folder with its separator at the end", native("/pics/"), "", native("/pics/"),
         native("/pics/"), ""}};
    for (const auto& row : splits) {
        const std::string joined = tk::path::join(row.folder, row.file);
        EXPECT_EQ(joined, row.joined) << row.name;
        EXPECT_EQ(tk::path::folderOf(joined), row.folderPart) << row.name;
        EXPECT_EQ(tk::path::nameOf(joined), row.namePart) << row.name;
    }
    EXPECT_EQ(std::pair(tk::path::folderOf("a.gif"), tk::path::nameOf("a.gif")),
              std::pair(std::string_view(), std::string_view("a.gif")))
        << "a name without a folder";
    EXPECT_EQ(tk::path::nameOf("C:/pics\\a.gif"), windows ? "a.gif" : "pics\\a.gif")
        << "both separators end a folder on Windows";

    struct Inside {
        const char* name;
        std::string folder, path;
        bool inside;
    };
    const Inside inside[] = {
        {"everything lies in the root", native("/"), native("/home/user"), true},
        {"a folder lies in itself", native("/home/user"), native("/home/user"), true},
        {"a name's start is no folder", native("/home/u"), native("/home/user"), false},
        {"a trailing separator", native("/home/user/"), native("/home/user/pics"), true},
        {"a parent is not inside", native("/home/user"), native("/home"), false},
        {"case counts on Linux only", native("/Home/User"), native("/home/user/pics"), windows}};
    for (const auto& row : inside)
        EXPECT_EQ(tk::path::contains(row.folder, row.path), row.inside) << row.name;

    EXPECT_EQ(tk::path::compareWithoutCase("a.gif", "B.GIF"), -1);
    EXPECT_EQ(tk::path::compareWithoutCase("Photo.JPG", "photo.jpg"), 0);
    EXPECT_EQ(tk::path::compareWithoutCase("ab", "a"), 1);
}

} // namespace
