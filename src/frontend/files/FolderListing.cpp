#include "FolderListing.h"

#include "NameOrder.h"
#include "PathText.h"

#include <cctype>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace FolderListing {

namespace {

fs::path pathOf(const std::string& utf8)
{
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string textOf(const fs::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

bool isWildcard(const std::string& name)
{
    return name.find_first_of("*?") != std::string::npos;
}

// The visible entries of a folder that are, once links are followed, plain files (or folders)
// and whose names the wildcard matches. A link to a device is neither a picture nor a place
// to look for one.
Names visibleEntries(const std::string& folder, const std::string& wildcard, bool folders)
{
    Names names;
    std::error_code error;
    for (fs::directory_iterator it(pathOf(folder), error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = textOf(it->path().filename());
        std::error_code kindError;
        const bool kind = folders ? it->is_directory(kindError) : it->is_regular_file(kindError);
        if (kind && !name.empty() && name.front() != '.' && matches(wildcard, name))
            names.push_back(name);
    }
    return names;
}

char lower(char c)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

} // namespace

bool matches(std::string_view wildcard, std::string_view name)
{
    std::size_t w = 0;
    std::size_t n = 0;
    std::size_t star = std::string_view::npos;
    std::size_t resume = 0;
    while (n < name.size()) {
        if (w < wildcard.size() && wildcard[w] == '*') {
            star = w++;
            resume = n;
        } else if (w < wildcard.size() &&
                   (wildcard[w] == '?' || lower(wildcard[w]) == lower(name[n]))) {
            ++w;
            ++n;
        } else if (star != std::string_view::npos) {
            w = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (w < wildcard.size() && wildcard[w] == '*')
        ++w;
    return w == wildcard.size();
}

Names folders(const std::string& folder)
{
    Names names = visibleEntries(folder, "*", true);
    tk::names::sort(names);
    return names;
}

Names files(const std::string& pattern)
{
    if (pattern.empty())
        return {};
    const std::string_view folderPart = tk::path::folderOf(pattern);
    const std::string folder = folderPart.empty() ? "." : std::string(folderPart);
    const std::string name(tk::path::nameOf(pattern));
    Names names;
    if (name.empty() || isWildcard(name)) {
        // "*.*" names every file, also one without an extension.
        names = visibleEntries(folder, name.empty() || name == "*.*" ? "*" : name, false);
    } else {
        std::error_code error;
        if (name.front() != '.' && fs::is_regular_file(pathOf(folder) / pathOf(name), error))
            names.push_back(name);
    }
    tk::names::sort(names);
    return names;
}

} // namespace FolderListing
