#pragma once

#include <cstdint>
#include <string>

namespace os {

// A lock that only one copy of the program can hold at a time: a lock file taken with flock
// on POSIX, a named mutex of the user's session on Windows. It is held until the process
// ends; the operating system releases it even when the process is killed.
class InstanceLock {
public:
    // `place` names the lock: the lock file's path on POSIX, the mutex's name on Windows.
    explicit InstanceLock(std::string place);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Tries to take the lock once; true when another process holds it. A lock that cannot be
    // had at all counts as free, so that a broken temporary folder never stops the clock; so
    // does a lock file that is a link or belongs to another user, whom it would give the
    // power to keep the clock from ever starting.
    bool heldElsewhere();

    // The current user's lock. On POSIX a file in $XDG_RUNTIME_DIR when that is set, else in
    // the user's private folder (see UserFolders.h); empty when no such place can be had.
    static std::string defaultPlace();

private:
    std::string m_place;
    bool m_tried = false;
    bool m_heldElsewhere = false;
    // The open lock file, or the mutex's handle; -1 while none is held.
    std::intptr_t m_handle = -1;
};

} // namespace os
