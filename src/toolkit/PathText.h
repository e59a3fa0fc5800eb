#pragma once

#include <string>
#include <string_view>

namespace tk {

// The rules of the system's paths, the one place that tells the systems apart. Paths are UTF-8
// texts on every system. Windows joins paths with '\' and reads '/' as a separator too; a drive
// letter names a root there ("C:\" or "C:"), and case does not tell two paths apart. Elsewhere
// only '/' separates, and "C:" is a name like any other.
#ifdef _WIN32
inline constexpr bool kWindowsPaths = true;
#else
inline constexpr bool kWindowsPaths = false;
#endif
// The separator that joins paths.
inline constexpr char kPathSeparator = kWindowsPaths ? '\\' : '/';

} // namespace tk

// Folder paths as texts, with the platform's separator: the rules that the folder and file
// lists share, and every join and split of a path.
namespace tk::path {

// Whether the path is a root: "/", or a drive's root such as "C:\" or "C:".
bool isRoot(std::string_view path);
// The path without trailing separators, except where that leaves a root.
std::string normalised(std::string_view path);
// The folder one level up; a root is its own parent.
std::string parentOf(std::string_view path);
// The folder joined with a name, with one separator between them.
std::string join(std::string_view folder, std::string_view name);
// The folder part of a path: all up to its last separator and with it, or nothing when it has
// none. The folder part and nameOf() make up the whole path.
std::string_view folderOf(std::string_view path);
// The name at the end of a path, after its last separator.
std::string_view nameOf(std::string_view path);
// Whether `path` is `folder` or lies inside it.
bool contains(std::string_view folder, std::string_view path);

} // namespace tk::path
