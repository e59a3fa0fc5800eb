#include "FaceTimers.h"

#include "TickLoop.h"
#include "Timer.h"

#include <algorithm>

namespace {

UINT_PTR timerId(std::size_t index)
{
    return index + 1;
}

} // namespace

FaceTimers::FaceTimers(HWND window, TickLoop& ticks, std::function<void()> eachSecond)
    : m_window(window)
    , m_ticks(ticks)
    , m_eachSecond(std::move(eachSecond))
{
    m_ticks.setTick([this] { secondBegan(); });
}

FaceTimers::~FaceTimers()
{
    m_ticks.cancel();
    m_ticks.setTick({});
}

void FaceTimers::timerChanged(tk::Timer& timer)
{
    const auto found = std::find_if(m_slots.begin(), m_slots.end(),
                                    [&timer](const Slot& slot) { return slot.timer == &timer; });
    if (found != m_slots.end()) {
        sync(static_cast<std::size_t>(found - m_slots.begin()));
        return;
    }
    m_slots.push_back({&timer});
    sync(m_slots.size() - 1);
}

void FaceTimers::sync(std::size_t index)
{
    Slot& slot = m_slots[index];
    const bool running = slot.timer->isRunning();
    const bool aligned = slot.timer->alignedToWallClock();
    const int interval = slot.timer->interval();
    if (running == slot.running && aligned == slot.aligned &&
        (!running || aligned || interval == slot.interval))
        return;
    ::KillTimer(m_window, timerId(index));
    slot = {slot.timer, running, aligned, interval};
    if (running && !aligned)
        ::SetTimer(m_window, timerId(index), static_cast<UINT>(interval), nullptr);
    bookSeconds();
}

// A tick already booked stays as it is: booked again just after its second began, it would
// move on to the second after and skip one.
void FaceTimers::bookSeconds()
{
    const bool wanted = std::any_of(m_slots.begin(), m_slots.end(),
                                    [](const Slot& slot) { return slot.running && slot.aligned; });
    if (wanted && !m_secondsBooked)
        m_ticks.bookNextSecond();
    else if (!wanted && m_secondsBooked)
        m_ticks.cancel();
    m_secondsBooked = wanted;
}

bool FaceTimers::fire(UINT_PTR id)
{
    const std::size_t index = id - 1;
    if (index >= m_slots.size() || !m_slots[index].running || m_slots[index].aligned)
        return false;
    m_slots[index].timer->fire();
    return true;
}

// The next tick is booked before this one runs, so that a tick that stops its timer cancels it
// again.
void FaceTimers::secondBegan()
{
    m_secondsBooked = false;
    bookSeconds();
    if (m_eachSecond)
        m_eachSecond();
    for (std::size_t index = 0; index < m_slots.size(); ++index) {
        if (m_slots[index].running && m_slots[index].aligned)
            m_slots[index].timer->fire();
    }
}
