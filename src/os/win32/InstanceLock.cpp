#include "InstanceLock.h"

#include "WideText.h"

#include <windows.h>

namespace os {

InstanceLock::InstanceLock(std::string place)
    : m_place(std::move(place))
{
}

InstanceLock::~InstanceLock()
{
    if (m_handle != -1)
        ::CloseHandle(reinterpret_cast<HANDLE>(m_handle));
}

// The mutex lives as long as any process holds a handle to it, so the first copy's handle,
// kept until it ends, is the lock; a later copy finds the mutex already there.
bool InstanceLock::heldElsewhere()
{
    if (m_tried)
        return m_heldElsewhere;
    m_tried = true;
    if (m_place.empty())
        return false;
    const HANDLE mutex = ::CreateMutexW(nullptr, FALSE, wideText::fromUtf8(m_place).c_str());
    if (mutex == nullptr)
        return false;
    m_heldElsewhere = ::GetLastError() == ERROR_ALREADY_EXISTS;
    // A refused copy lets go of the mutex, so that it does not outlive the copy that holds it.
    if (m_heldElsewhere)
        ::CloseHandle(mutex);
    else
        m_handle = reinterpret_cast<std::intptr_t>(mutex);
    return m_heldElsewhere;
}

// A name in the user's session, so that users of other sessions each have their own clock.
std::string InstanceLock::defaultPlace()
{
    return "Local\\tikora-clock";
}

} // namespace os
