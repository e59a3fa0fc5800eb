#include "FolderListing.h"

#include "PatientQuestion.h"

#include <QDir>
#include <QFile>
#include <QStorageInfo>
#include <QString>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>
#include <system_error>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

bool isWildcard(const std::string& name)
{
    return name.find_first_of("*?") != std::string::npos;
}

std::size_t lastSeparator(const std::string& path)
{
#ifdef _WIN32
    return path.find_last_of("/\\");
#else
    return path.find_last_of('/');
#endif
}

// The visible entries of a folder that are, once links are followed, plain files (or folders)
// and whose names the wildcard matches. A link to a device is neither a picture nor a place
// to look for one.
FolderListing::Names visibleEntries(const std::string& folder, const std::string& wildcard,
                                    bool folders)
{
    FolderListing::Names names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        std::error_code kindError;
        const bool kind = folders ? it->is_directory(kindError) : it->is_regular_file(kindError);
        if (kind && !name.empty() && name.front() != '.' && FolderListing::matches(wildcard, name))
            names.push_back(name);
    }
    return names;
}

// Pseudo file systems, and the system's own places, hold nothing a user would pick a picture
// from.
bool isUserVolume(const std::string& root, const QByteArray& type)
{
    static const QList<QByteArray> pseudoTypes = {
        "proc",        "sysfs",          "devtmpfs",    "devpts",    "tmpfs",    "cgroup",
        "cgroup2",     "pstore",         "securityfs",  "debugfs",   "tracefs",  "configfs",
        "fusectl",     "mqueue",         "bpf",         "hugetlbfs", "autofs",   "nsfs",
        "efivarfs",    "ramfs",          "binfmt_misc", "overlay",   "squashfs", "rpc_pipefs",
        "fuse.portal", "fuse.gvfsd-fuse"};
    static const std::vector<std::string> systemPlaces = {"/proc", "/sys", "/dev", "/run", "/boot",
                                                          "/snap", "/var", "/etc", "/usr"};
    if (pseudoTypes.contains(type))
        return false;
    if (root.starts_with("/run/media/"))
        return true;
    return std::none_of(systemPlaces.begin(), systemPlaces.end(),
                        [&root](const std::string& place) {
                            return root == place || root.starts_with(place + '/');
                        });
}

// A mount table writes a blank, a tab, a line break and a backslash as octal escapes.
std::string unescapedPath(const QByteArray& field)
{
    std::string path;
    path.reserve(std::size_t(field.size()));
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int code = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok && code < 256) {
                path.push_back(static_cast<char>(code));
                i += 3;
                continue;
            }
        }
        path.push_back(field[i]);
    }
    return path;
}

// Names in the order of their letters without regard to case; names that differ only in
// case, or in bytes that are no text, keep the order of their bytes. Each name is read as
// text once, not at every comparison: a folder may hold 100,000 files.
void sortWithoutCase(FolderListing::Names& names)
{
    std::vector<std::pair<QString, std::string>> keyed;
    keyed.reserve(names.size());
    for (std::string& name : names)
        keyed.emplace_back(QString::fromStdString(name), std::move(name));
    std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        const int order = a.first.compare(b.first, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.second < b.second;
    });
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = std::move(keyed[i].second);
}

char lower(char c)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

} // namespace

bool FolderListing::matches(std::string_view wildcard, std::string_view name)
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

FolderListing::Names FolderListing::drives()
{
#ifdef _WIN32
    Names roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid())
            roots.push_back(QDir::toNativeSeparators(volume.rootPath()).toStdString());
    }
    sortWithoutCase(roots);
    return roots;
#else
    QFile table(QStringLiteral("/proc/self/mountinfo"));
    return drivesFrom(table.open(QIODevice::ReadOnly) ? table.readAll() : QByteArray(),
                      QFile::encodeName(QDir::homePath()).toStdString());
#endif
}

// Each line: id, parent, device, root, mount point, options, optional fields, "-", type, ...
FolderListing::Names FolderListing::drivesFrom(const QByteArray& mountTable,
                                               const std::string& home)
{
    Names roots = {"/", home};
    std::set<std::string> seen(roots.begin(), roots.end());
    Names others;
    for (const QByteArray& line : mountTable.split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        const qsizetype separator = fields.indexOf("-", 6);
        if (fields.size() < 5 || separator < 0 || separator + 1 >= fields.size())
            continue;
        std::string root = unescapedPath(fields[4]);
        if (isUserVolume(root, fields[separator + 1]) && seen.insert(root).second)
            others.push_back(std::move(root));
    }
    sortWithoutCase(others);
    roots.insert(roots.end(), others.begin(), others.end());
    return roots;
}

FolderListing::Names FolderListing::folders(const std::string& folder)
{
    Names names = visibleEntries(folder, "*", true);
    sortWithoutCase(names);
    return names;
}

FolderListing::Names FolderListing::files(const std::string& pattern)
{
    if (pattern.empty())
        return {};
    const std::size_t cut = lastSeparator(pattern);
    const std::string folder = cut == std::string::npos ? "." : pattern.substr(0, cut + 1);
    const std::string name = cut == std::string::npos ? pattern : pattern.substr(cut + 1);
    Names names;
    if (name.empty() || isWildcard(name)) {
        // "*.*" names every file, also one without an extension.
        names = visibleEntries(folder, name.empty() || name == "*.*" ? "*" : name, false);
    } else {
        std::error_code error;
        if (name.front() != '.' && fs::is_regular_file(fs::path(folder) / name, error))
            names.push_back(name);
    }
    sortWithoutCase(names);
    return names;
}

std::string FolderListing::whyNotOpen(const std::string& folder)
{
    std::error_code error;
    if (!fs::is_directory(folder, error))
        return folder + " is not available.";
#ifndef _WIN32
    if (::access(folder.c_str(), R_OK | X_OK) != 0)
        return folder + " cannot be opened: access denied.";
#endif
    return {};
}

std::string FolderListing::openFailure(const std::string& drive, const OpenCheck& check,
                                       std::chrono::milliseconds patience)
{
    const auto failure =
        PatientQuestion::ask<std::string>([check, drive] { return check(drive); }, patience);
    return failure.value_or(drive + " is not available.");
}
