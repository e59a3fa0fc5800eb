#include "PathText.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

#ifndef _WIN32

TEST(PathText, FolderPathsOnLinux)
{
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
    EXPECT_EQ(tk::path::join("/", "a.gif"), "/a.gif");
    EXPECT_EQ(tk::path::join("/pics", "*.gif"), "/pics/*.gif");
    EXPECT_TRUE(tk::path::contains("/", "/home/user"));
    EXPECT_TRUE(tk::path::contains("/home/user", "/home/user"));
    EXPECT_TRUE(tk::path::contains("/home/user/", "/home/user/pics"));
    EXPECT_FALSE(tk::path::contains("/home/u", "/home/user"));
    EXPECT_FALSE(tk::path::contains("/home/user", "/home"));
}

#endif

TEST(PathText, NamesInOrderWithoutRegardToCase)
{
    EXPECT_EQ(tk::path::compareWithoutCase("a.gif", "B.GIF"), -1);
    EXPECT_EQ(tk::path::compareWithoutCase("Photo.JPG", "photo.jpg"), 0);
    EXPECT_EQ(tk::path::compareWithoutCase("ab", "a"), 1);
}

} // namespace
