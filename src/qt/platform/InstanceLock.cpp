#include "InstanceLock.h"

#include <QDir>
#include <QFile>

#ifndef _WIN32
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

InstanceLock::InstanceLock(QString path)
    : m_path(std::move(path))
{
}

#ifdef _WIN32

InstanceLock::~InstanceLock() = default;

bool InstanceLock::heldElsewhere()
{
    if (m_tried)
        return m_heldElsewhere;
    m_tried = true;
    m_lock = std::make_unique<QLockFile>(m_path);
    // A lock left by a killed copy is stale at once: its process is gone.
    m_lock->setStaleLockTime(0);
    m_heldElsewhere = !m_lock->tryLock(0) && m_lock->error() == QLockFile::LockFailedError;
    return m_heldElsewhere;
}

QString InstanceLock::defaultPath()
{
    return QDir(QDir::tempPath()).filePath(QStringLiteral("tikora-clock.lock"));
}

QString InstanceLock::privateFolder()
{
    return {};
}

#else

InstanceLock::~InstanceLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool InstanceLock::heldElsewhere()
{
    if (m_tried)
        return m_heldElsewhere;
    m_tried = true;
    if (m_path.isEmpty())
        return false;
    const QByteArray name = QFile::encodeName(m_path);
    // Links are not followed, so that nobody can point the lock at a file of their choice.
    m_fd = ::open(name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (m_fd < 0)
        return false;
    struct stat status = {};
    if (::fstat(m_fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_uid != ::geteuid()) {
        ::close(m_fd);
        m_fd = -1;
        return false;
    }
    int result = 0;
    do {
        result = ::flock(m_fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    m_heldElsewhere = result != 0 && errno == EWOULDBLOCK;
    return m_heldElsewhere;
}

namespace {

// A folder that belongs to the user and that no one else may enter: made so when missing,
// and refused when it is a link, someone else's, or open to others.
bool ownPrivateFolder(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat status = {};
    return ::lstat(name.constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::geteuid() && (status.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

} // namespace

QString InstanceLock::defaultPath()
{
    const QString lockName = QStringLiteral("tikora-clock.lock");
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir::isAbsolutePath(runtime))
        return QDir(runtime).filePath(lockName);
    const QString folder = privateFolder();
    return folder.isEmpty() ? QString() : QDir(folder).filePath(lockName);
}

QString InstanceLock::privateFolder()
{
    const QString folder =
        QDir(QDir::tempPath()).filePath(QStringLiteral("tikora-clock-%1").arg(::geteuid()));
    return ownPrivateFolder(folder) ? folder : QString();
}

#endif
