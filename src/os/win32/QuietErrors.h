#pragma once

#include <windows.h>

namespace os {

// While it lives, a drive without a medium answers with an error instead of asking the user
// to insert a disk.
class QuietErrors {
public:
    QuietErrors() { ::SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &m_old); }
    ~QuietErrors() { ::SetThreadErrorMode(m_old, nullptr); }
    QuietErrors(const QuietErrors&) = delete;
    QuietErrors& operator=(const QuietErrors&) = delete;

private:
    DWORD m_old = 0;
};

} // namespace os
