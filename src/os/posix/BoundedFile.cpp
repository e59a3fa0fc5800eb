#include "BoundedFile.h"

#include <algorithm>
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

} // namespace

std::optional<std::string> read(const std::string& path, std::size_t limit)
{
    const int fd = openRegular(path);
    if (fd < 0)
        return std::nullopt;
    std::string bytes;
    std::size_t filled = 0;
    constexpr std::size_t kChunk = 64 * 1024;
    bool failed = false;
    while (filled < limit) {
        bytes.resize(std::min(limit, filled + kChunk));
        const ssize_t count = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (count < 0 && errno == EINTR)
            continue;
        failed = count < 0;
        if (count <= 0)
            break;
        filled += static_cast<std::size_t>(count);
    }
    ::close(fd);
    if (failed)
        return std::nullopt;
    bytes.resize(filled);
    return bytes;
}

std::optional<std::string> readWhole(const std::string& path, std::uint64_t limit)
{
    const int fd = openRegular(path);
    struct stat opened {};
    if (fd < 0 || ::fstat(fd, &opened) != 0 || std::uint64_t(opened.st_size) > limit) {
        if (fd >= 0)
            ::close(fd);
        return std::nullopt;
    }
    // A file that grows meanwhile is taken as far as its size was; one that shrinks, as far
    // as it goes.
    std::string bytes(std::size_t(opened.st_size), '\0');
    std::size_t filled = 0;
    bool failed = false;
    while (filled < bytes.size()) {
        const ssize_t count = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (count < 0 && errno == EINTR)
            continue;
        failed = count < 0;
        if (count <= 0)
            break;
        filled += static_cast<std::size_t>(count);
    }
    ::close(fd);
    if (failed)
        return std::nullopt;
    bytes.resize(filled);
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
