#include "BoundedFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace os::boundedFile {

namespace {

// A regular file opened for reading, without blocking and without a controlling terminal;
// -1 when the path is anything else.
int openRegular(const std::string& path)
{
    struct stat before {};
    // A look before the open keeps devices closed: opening some of them has effects of its own.
    if (path.empty() || ::stat(path.c_str(), &before) != 0 || !S_ISREG(before.st_mode))
        return -1;
    // Non-blocking, so that a file swapped for a pipe after the look cannot hold the open.
    int fd = -1;
    do
        fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return -1;
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// At most `limit` bytes from an open file, held in one block of that size, which the callers
// keep small or know the file to fill; nothing when a read fails.
std::optional<std::string> readUpTo(int fd, std::size_t limit)
{
    std::string bytes(limit, '\0');
    std::size_t filled = 0;
    while (filled < limit) {
        const ssize_t count = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return std::nullopt;
        if (count == 0)
            break;
        filled += static_cast<std::size_t>(count);
    }
    bytes.resize(filled);
    return bytes;
}

} // namespace

std::optional<std::string> read(const std::string& path, std::size_t limit)
{
    const int fd = openRegular(path);
    if (fd < 0)
        return std::nullopt;
    std::optional<std::string> bytes = readUpTo(fd, limit);
    ::close(fd);
    return bytes;
}

// A file that grows meanwhile is taken as far as its size was; one that shrinks, as far as it
// goes.
std::optional<std::string> readWhole(const std::string& path, std::uint64_t limit)
{
    const int fd = openRegular(path);
    if (fd < 0)
        return std::nullopt;
    struct stat opened {};
    std::optional<std::string> bytes;
    if (::fstat(fd, &opened) == 0 && std::uint64_t(opened.st_size) <= limit)
        bytes = readUpTo(fd, std::size_t(opened.st_size));
    ::close(fd);
    return bytes;
}

bool mayWrite(const std::string& path)
{
    struct stat entry {};
    if (path.empty())
        return false;
    if (::lstat(path.c_str(), &entry) != 0)
        return errno == ENOENT;
    struct stat target {};
    return ::stat(path.c_str(), &target) == 0 && S_ISREG(target.st_mode);
}

} // namespace os::boundedFile
