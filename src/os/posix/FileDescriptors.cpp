#include "FileDescriptors.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <optional>
#include <sys/resource.h>

namespace os::fileDescriptors {

namespace {

bool isOpen(int descriptor)
{
    return ::fcntl(descriptor, F_GETFD) != -1 || errno != EBADF;
}

// The lowest soft limit under which `count` descriptors are free: new descriptors take the
// lowest free numbers, and any number at or past the soft limit is refused. None when even
// `ceiling` leaves too few.
std::optional<rlim_t> limitFor(int count, rlim_t ceiling)
{
    const rlim_t last = std::min<rlim_t>(ceiling, std::numeric_limits<int>::max());
    int free = 0;
    for (rlim_t descriptor = 0; descriptor < last; ++descriptor) {
        if (!isOpen(static_cast<int>(descriptor)) && ++free == count)
            return descriptor + 1;
    }
    return std::nullopt;
}

} // namespace

bool reserve(int count)
{
    rlimit limit = {};
    if (count <= 0 || ::getrlimit(RLIMIT_NOFILE, &limit) != 0)
        return true;
    const std::optional<rlim_t> needed = limitFor(count, limit.rlim_max);
    if (!needed)
        return false;
    if (*needed <= limit.rlim_cur)
        return true;
    limit.rlim_cur = *needed;
    return ::setrlimit(RLIMIT_NOFILE, &limit) == 0;
}

} // namespace os::fileDescriptors
