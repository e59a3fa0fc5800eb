#include "BoundedFile.h"

#include <QFile>
#include <QFileInfo>

#ifndef _WIN32
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifdef _WIN32

bool BoundedFile::mayWrite(const std::string& path)
{
    const QFileInfo info(QString::fromStdString(path));
    return info.isFile() || !(info.exists() || info.isSymLink());
}

std::unique_ptr<QFile> BoundedFile::open(const std::string& path)
{
    if (!QFileInfo(QString::fromStdString(path)).isFile())
        return nullptr;
    auto file = std::make_unique<QFile>(QString::fromStdString(path));
    if (!file->open(QIODevice::ReadOnly))
        return nullptr;
    return file;
}

#else

bool BoundedFile::mayWrite(const std::string& path)
{
    const QByteArray name = QByteArray::fromStdString(path);
    struct stat entry {};
    if (name.isEmpty())
        return false;
    if (::lstat(name.constData(), &entry) != 0)
        return errno == ENOENT;
    struct stat target {};
    return ::stat(name.constData(), &target) == 0 && S_ISREG(target.st_mode);
}

std::unique_ptr<QFile> BoundedFile::open(const std::string& path)
{
    const QByteArray name = QByteArray::fromStdString(path);
    struct stat before {};
    // A look before the open keeps devices closed: opening some of them has effects of its own.
    if (name.isEmpty() || ::stat(name.constData(), &before) != 0 || !S_ISREG(before.st_mode))
        return nullptr;
    // Non-blocking, so that a file swapped for a pipe after the look cannot hold the open.
    int fd = -1;
    do
        fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return nullptr;
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    auto file = std::make_unique<QFile>();
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return nullptr;
    }
    return file;
}

#endif

std::optional<QByteArray> BoundedFile::read(const std::string& path, qint64 limit)
{
    const std::unique_ptr<QFile> file = open(path);
    if (!file)
        return std::nullopt;
    const QByteArray bytes = file->read(limit);
    if (file->error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}
