#include "MountTable.h"

#include "NameOrder.h"

#include <algorithm>
#include <array>
#include <set>

namespace os::mountTable {

namespace {

std::vector<std::string_view> split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

// Pseudo file systems, and the system's own places, hold nothing a user would pick a picture
// from.
bool isUserVolume(const std::string& root, std::string_view type)
{
    static constexpr std::array<std::string_view, 26> kPseudoTypes = {
        "proc",        "sysfs",          "devtmpfs",    "devpts",    "tmpfs",    "cgroup",
        "cgroup2",     "pstore",         "securityfs",  "debugfs",   "tracefs",  "configfs",
        "fusectl",     "mqueue",         "bpf",         "hugetlbfs", "autofs",   "nsfs",
        "efivarfs",    "ramfs",          "binfmt_misc", "overlay",   "squashfs", "rpc_pipefs",
        "fuse.portal", "fuse.gvfsd-fuse"};
    static constexpr std::array<std::string_view, 9> kSystemPlaces = {
        "/proc", "/sys", "/dev", "/run", "/boot", "/snap", "/var", "/etc", "/usr"};
    if (std::ranges::find(kPseudoTypes, type) != kPseudoTypes.end())
        return false;
    if (root.starts_with("/run/media/"))
        return true;
    return std::ranges::none_of(kSystemPlaces, [&root](std::string_view place) {
        return root == place || (root.starts_with(place) && root[place.size()] == '/');
    });
}

// A mount table writes a blank, a tab, a line break and a backslash as octal escapes.
std::string unescapedPath(std::string_view field)
{
    const auto isOctal = [](char c) { return c >= '0' && c <= '7'; };
    std::string path;
    path.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && isOctal(field[i + 1]) &&
            isOctal(field[i + 2]) && isOctal(field[i + 3])) {
            const int code =
                (field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + field[i + 3] - '0';
            if (code < 256) {
                path.push_back(static_cast<char>(code));
                i += 3;
                continue;
            }
        }
        path.push_back(field[i]);
    }
    return path;
}

} // namespace

// Each line: id, parent, device, root, mount point, options, optional fields, "-", type, ...
std::vector<std::string> userVolumes(std::string_view table, const std::string& home)
{
    std::vector<std::string> roots = {"/", home};
    std::set<std::string> seen(roots.begin(), roots.end());
    std::vector<std::string> others;
    for (const std::string_view line : split(table, '\n')) {
        const std::vector<std::string_view> fields = split(line, ' ');
        const auto separator =
            fields.size() > 6 ? std::find(fields.begin() + 6, fields.end(), "-") : fields.end();
        if (fields.size() < 5 || separator == fields.end() || separator + 1 == fields.end())
            continue;
        std::string root = unescapedPath(fields[4]);
        if (isUserVolume(root, *(separator + 1)) && seen.insert(root).second)
            others.push_back(std::move(root));
    }
    tk::names::sort(others);
    roots.insert(roots.end(), others.begin(), others.end());
    return roots;
}

} // namespace os::mountTable
