#pragma once

#include <string>
#include <string_view>

// Folder paths as texts, with the platform's separator: the rules that the folder and file
// lists share, the same on every platform.
namespace tk::path {

// Whether the path is a root: "/", or a drive's root such as "C:\" or "C:".
bool isRoot(std::string_view path);
// The path without trailing separators, except where that leaves a root.
std::string normalised(std::string_view path);
// The folder one level up; a root is its own parent.
std::string parentOf(std::string_view path);
// The folder joined with a name, with one separator between them.
std::string join(std::string_view folder, std::string_view name);
// Whether `path` is `folder` or lies inside it.
bool contains(std::string_view folder, std::string_view path);

} // namespace tk::path
