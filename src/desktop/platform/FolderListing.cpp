#include "FolderListing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStorageInfo>

#include <algorithm>
#include <future>
#include <memory>
#include <thread>

namespace {

bool isWildcard(const QString& name)
{
    return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
}

int lastSeparator(const QString& path)
{
#ifdef _WIN32
    return std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
#else
    return path.lastIndexOf(QLatin1Char('/'));
#endif
}

// The entries of a folder that pass Qt's filter and are, once links are followed, of the kind
// asked for. Qt's filter takes a link to a device for a file or a folder; such an entry is
// neither a picture nor a place to look for one.
QStringList entriesOfKind(QDir dir, QDir::Filters filter, bool (QFileInfo::*isKind)() const)
{
    dir.setFilter(filter | QDir::NoDotAndDotDot);
    QStringList names;
    for (const QFileInfo& entry : dir.entryInfoList()) {
        if ((entry.*isKind)())
            names.append(entry.fileName());
    }
    return names;
}

// The plain, visible files of a folder that a wildcard matches, without regard to case.
QStringList matchingFiles(const QString& folder, QString wildcard)
{
    // "*.*" names every file, also one without an extension.
    if (wildcard == QLatin1String("*.*"))
        wildcard = QStringLiteral("*");
    QDir dir(folder);
    if (!wildcard.isEmpty())
        dir.setNameFilters({wildcard});
    return entriesOfKind(dir, QDir::Files, &QFileInfo::isFile);
}

// Pseudo file systems, and the system's own places, hold nothing a user would pick a picture
// from.
bool isUserVolume(const QString& root, const QByteArray& type)
{
    static const QList<QByteArray> pseudoTypes = {
        "proc",        "sysfs",          "devtmpfs",    "devpts",    "tmpfs",    "cgroup",
        "cgroup2",     "pstore",         "securityfs",  "debugfs",   "tracefs",  "configfs",
        "fusectl",     "mqueue",         "bpf",         "hugetlbfs", "autofs",   "nsfs",
        "efivarfs",    "ramfs",          "binfmt_misc", "overlay",   "squashfs", "rpc_pipefs",
        "fuse.portal", "fuse.gvfsd-fuse"};
    static const QStringList systemPlaces = {"/proc", "/sys", "/dev", "/run", "/boot",
                                             "/snap", "/var", "/etc", "/usr"};
    if (pseudoTypes.contains(type))
        return false;
    if (root.startsWith(QLatin1String("/run/media/")))
        return true;
    return std::none_of(systemPlaces.begin(), systemPlaces.end(), [&root](const QString& place) {
        return root == place || root.startsWith(place + QLatin1Char('/'));
    });
}

// A mount table writes a blank, a tab, a line break and a backslash as octal escapes.
QString unescapedPath(const QByteArray& field)
{
    QByteArray path;
    path.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int code = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok && code < 256) {
                path.append(static_cast<char>(code));
                i += 3;
                continue;
            }
        }
        path.append(field[i]);
    }
    return QFile::decodeName(path);
}

void sortWithoutCase(QStringList& names)
{
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
}

} // namespace

QStringList FolderListing::drives()
{
    QStringList roots;
#ifdef _WIN32
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid())
            roots.append(QDir::toNativeSeparators(volume.rootPath()));
    }
    sortWithoutCase(roots);
#else
    QFile table(QStringLiteral("/proc/self/mountinfo"));
    roots = drivesFrom(table.open(QIODevice::ReadOnly) ? table.readAll() : QByteArray(),
                       QDir::homePath());
#endif
    return roots;
}

// Each line: id, parent, device, root, mount point, options, optional fields, "-", type, ...
QStringList FolderListing::drivesFrom(const QByteArray& mountTable, const QString& home)
{
    QStringList roots = {QStringLiteral("/"), home};
    QSet<QString> seen(roots.begin(), roots.end());
    QStringList others;
    for (const QByteArray& line : mountTable.split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        const qsizetype separator = fields.indexOf("-", 6);
        if (fields.size() < 5 || separator < 0 || separator + 1 >= fields.size())
            continue;
        const QString root = unescapedPath(fields[4]);
        if (isUserVolume(root, fields[separator + 1]) && !seen.contains(root)) {
            seen.insert(root);
            others.append(root);
        }
    }
    sortWithoutCase(others);
    return roots + others;
}

QStringList FolderListing::folders(const QString& folder)
{
    QStringList names = entriesOfKind(QDir(folder), QDir::Dirs, &QFileInfo::isDir);
    sortWithoutCase(names);
    return names;
}

QString FolderListing::whyNotOpen(const QString& folder)
{
    const QFileInfo info(folder);
    if (!info.exists() || !info.isDir())
        return QStringLiteral("%1 is not available.").arg(folder);
    if (!info.isReadable() || !info.isExecutable())
        return QStringLiteral("%1 cannot be opened: access denied.").arg(folder);
    return {};
}

// A thread that never comes back is left to itself; it holds nothing but its own answer.
QString FolderListing::openFailure(const QString& drive, const OpenCheck& check,
                                   std::chrono::milliseconds patience)
{
    auto answer = std::make_shared<std::promise<QString>>();
    std::future<QString> result = answer->get_future();
    std::thread([answer, check, drive] { answer->set_value(check(drive)); }).detach();
    if (result.wait_for(patience) != std::future_status::ready)
        return QStringLiteral("%1 is not available.").arg(drive);
    return result.get();
}

QStringList FolderListing::files(const QString& path)
{
    if (path.isEmpty())
        return {};
    const int cut = lastSeparator(path);
    const QString folder = cut < 0 ? QStringLiteral(".") : path.left(cut + 1);
    const QString name = path.mid(cut + 1);
    QStringList names;
    if (name.isEmpty() || isWildcard(name)) {
        names = matchingFiles(folder, name);
    } else {
        const QFileInfo info(QDir(folder), name);
        if (info.isFile() && !info.isHidden())
            names.append(info.fileName());
    }
    sortWithoutCase(names);
    return names;
}
