#pragma once

#include <QString>

#ifdef _WIN32
#include <QLockFile>
#include <memory>
#endif

// A lock that only one copy of the program can hold at a time. It is held until the process
// ends; the operating system releases it even when the process is killed.
class InstanceLock {
public:
    explicit InstanceLock(QString path);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Tries to take the lock once; true when another process holds it. A lock file that cannot
    // be opened at all counts as free, so that a broken temporary folder never stops the clock;
    // so does one that is a link or belongs to another user, whom it would give the power to
    // keep the clock from ever starting.
    bool heldElsewhere();

    // The lock file of the current user: in $XDG_RUNTIME_DIR when it is set, otherwise in a
    // folder of the user's own (mode 0700) in the system's temporary folder. Empty when no
    // such place can be had, for example when another user made that folder first.
    static QString defaultPath();
    // The folder of the user's own in the system's temporary folder, made when missing; empty
    // when it cannot be had.
    static QString privateFolder();

private:
    QString m_path;
    bool m_tried = false;
    bool m_heldElsewhere = false;
#ifdef _WIN32
    std::unique_ptr<QLockFile> m_lock;
#else
    int m_fd = -1;
#endif
};
