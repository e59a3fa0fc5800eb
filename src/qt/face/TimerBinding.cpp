#include "TimerBinding.h"

#include "TickSchedule.h"
#include "Timer.h"

#include <chrono>

TimerBinding::TimerBinding(tk::Timer& timer, QObject* parent)
    : QObject(parent)
    , m_timer(timer)
{
    connect(&m_qtimer, &QTimer::timeout, this, &TimerBinding::onTimeout);
    sync();
}

void TimerBinding::sync()
{
    if (!m_timer.isRunning()) {
        m_qtimer.stop();
        return;
    }
    const bool aligned = m_timer.alignedToWallClock();
    const int interval = m_timer.interval();
    if (m_qtimer.isActive() && aligned == m_runningAligned &&
        (aligned || interval == m_runningInterval))
        return;
    m_runningAligned = aligned;
    m_runningInterval = interval;
    if (aligned) {
        scheduleNextSecond();
        return;
    }
    m_qtimer.setSingleShot(false);
    m_qtimer.setTimerType(Qt::CoarseTimer);
    m_qtimer.start(interval);
}

int TimerBinding::delayToNextSecond()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return TickSchedule::delayToNextSecond(
        std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

void TimerBinding::scheduleNextSecond()
{
    m_qtimer.setSingleShot(true);
    m_qtimer.setTimerType(Qt::PreciseTimer);
    m_qtimer.start(delayToNextSecond());
}

void TimerBinding::onTimeout()
{
    // The next tick is booked before this one runs, so that a tick that stops the timer
    // cancels it again.
    if (m_runningAligned && m_timer.isRunning())
        scheduleNextSecond();
    m_timer.fire();
}
