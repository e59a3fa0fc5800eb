#include "InstanceLock.h"

#include <QDir>
#include <QFile>

#ifndef _WIN32
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
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
    const QByteArray name = QFile::encodeName(m_path);
    m_fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_fd < 0)
        return false;
    int result = 0;
    do {
        result = ::flock(m_fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    m_heldElsewhere = result != 0 && errno == EWOULDBLOCK;
    return m_heldElsewhere;
}

QString InstanceLock::defaultPath()
{
    const QString name = QStringLiteral("tikora-clock-%1.lock").arg(::getuid());
    return QDir(QDir::tempPath()).filePath(name);
}

#endif
