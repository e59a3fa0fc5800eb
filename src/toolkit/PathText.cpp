#include "PathText.h"

#include <algorithm>
#include <cctype>

namespace tk::path {

namespace {

bool isSeparator(char c)
{
    return c == kPathSeparator || (kWindowsPaths && c == '/');
}

// Drive letters name roots on Windows only; elsewhere "C:" is a folder's name like any other.
bool isDriveLetter(std::string_view path)
{
    return kWindowsPaths && path.size() >= 2 && path[1] == ':' &&
           std::isalpha(static_cast<unsigned char>(path[0])) != 0;
}

// Drive letters and Windows' folder names match without regard to case.
[[maybe_unused]] char lower(char c)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

} // namespace

bool isRoot(std::string_view path)
{
    if (path.size() == 1 && isSeparator(path[0]))
        return true;
    return isDriveLetter(path) && (path.size() == 2 || (path.size() == 3 && isSeparator(path[2])));
}

std::string normalised(std::string_view path)
{
    while (path.size() > 1 && isSeparator(path.back()) && !isRoot(path))
        path.remove_suffix(1);
    if (isDriveLetter(path) && path.size() == 2)
        return std::string(path) + kPathSeparator;
    return std::string(path);
}

std::string parentOf(std::string_view path)
{
    const std::string folder = normalised(path);
    if (isRoot(folder))
        return folder;
    const auto cut = std::find_if(folder.rbegin(), folder.rend(), isSeparator);
    if (cut == folder.rend())
        return folder;
    const auto length = static_cast<std::size_t>(folder.rend() - cut - 1);
    return normalised(length == 0 ? folder.substr(0, 1) : folder.substr(0, length));
}

std::string join(std::string_view folder, std::string_view name)
{
    std::string joined(folder);
    if (joined.empty() || !isSeparator(joined.back()))
        joined += kPathSeparator;
    return joined.append(name);
}

std::string_view folderOf(std::string_view path)
{
    const auto cut = std::find_if(path.rbegin(), path.rend(), isSeparator);
    return path.substr(0, static_cast<std::size_t>(path.rend() - cut));
}

std::string_view nameOf(std::string_view path)
{
    return path.substr(folderOf(path).size());
}

bool contains(std::string_view folder, std::string_view path)
{
    const std::string inner = normalised(folder);
    const auto same = [](char a, char b) { return kWindowsPaths ? lower(a) == lower(b) : a == b; };
    if (path.size() < inner.size() || !std::equal(inner.begin(), inner.end(), path.begin(), same))
        return false;
    return path.size() == inner.size() || isSeparator(inner.back()) ||
           isSeparator(path[inner.size()]);
}

} // namespace tk::path
