#include "InstanceLock.h"

#include "PathText.h"
#include "UserFolders.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace os {

InstanceLock::InstanceLock(std::string place)
    : m_place(std::move(place))
{
}

InstanceLock::~InstanceLock()
{
    if (m_handle >= 0)
        ::close(static_cast<int>(m_handle));
}

bool InstanceLock::heldElsewhere()
{
    if (m_tried)
        return m_heldElsewhere;
    m_tried = true;
    if (m_place.empty())
        return false;
    // Links are not followed, so that nobody can point the lock at a file of their choice.
    const int fd =
        ::open(m_place.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    struct stat status = {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_uid != ::geteuid()) {
        ::close(fd);
        return false;
    }
    m_handle = fd;
    int result = 0;
    do {
        result = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    m_heldElsewhere = result != 0 && errno == EWOULDBLOCK;
    return m_heldElsewhere;
}

std::string InstanceLock::defaultPlace()
{
    constexpr const char* kLockName = "tikora-clock.lock";
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/')
        return tk::path::join(runtime, kLockName);
    const std::string folder = userFolders::privateTemp();
    return folder.empty() ? std::string() : tk::path::join(folder, kLockName);
}

} // namespace os
