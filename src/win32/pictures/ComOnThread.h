#pragma once

#include <objbase.h>

// COM on the calling thread for as long as this lives, as the Imaging Component needs it.
// Pictures are decoded on the workers that wait for the file system too, which no one else has
// made COM ready; a thread that is in an apartment already, as the program's is, stays in it.
class ComOnThread {
public:
    ComOnThread()
        : m_joined(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_MULTITHREADED)))
    {
    }
    ~ComOnThread()
    {
        if (m_joined)
            ::CoUninitialize();
    }
    ComOnThread(const ComOnThread&) = delete;
    ComOnThread& operator=(const ComOnThread&) = delete;

private:
    bool m_joined;
};
