#include "FolderListing.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

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
bool isUserVolume(const QStorageInfo& volume)
{
    static const QStringList pseudoTypes = {
        "proc",        "sysfs",          "devtmpfs",    "devpts",    "tmpfs",    "cgroup",
        "cgroup2",     "pstore",         "securityfs",  "debugfs",   "tracefs",  "configfs",
        "fusectl",     "mqueue",         "bpf",         "hugetlbfs", "autofs",   "nsfs",
        "efivarfs",    "ramfs",          "binfmt_misc", "overlay",   "squashfs", "rpc_pipefs",
        "fuse.portal", "fuse.gvfsd-fuse"};
    static const QStringList systemPlaces = {"/proc", "/sys", "/dev", "/run", "/boot",
                                             "/snap", "/var", "/etc", "/usr"};
    if (!volume.isValid() || !volume.isReady())
        return false;
    if (pseudoTypes.contains(QString::fromLatin1(volume.fileSystemType())))
        return false;
    const QString root = volume.rootPath();
    if (root.startsWith(QLatin1String("/run/media/")))
        return true;
    return std::none_of(systemPlaces.begin(), systemPlaces.end(), [&root](const QString& place) {
        return root == place || root.startsWith(place + QLatin1Char('/'));
    });
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
    roots = {QStringLiteral("/"), QDir::homePath()};
    QStringList others;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (isUserVolume(volume))
            others.append(volume.rootPath());
    }
    sortWithoutCase(others);
    roots.append(others);
    roots.removeDuplicates();
#endif
    return roots;
}

QStringList FolderListing::folders(const QString& folder)
{
    QStringList names = entriesOfKind(QDir(folder), QDir::Dirs, &QFileInfo::isDir);
    sortWithoutCase(names);
    return names;
}

QString FolderListing::openFailure(const QString& drive)
{
    const QFileInfo info(drive);
    if (!info.exists() || !info.isDir())
        return QStringLiteral("%1 is not available.").arg(drive);
    if (!info.isReadable() || !info.isExecutable())
        return QStringLiteral("%1 cannot be opened: access denied.").arg(drive);
    return {};
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
