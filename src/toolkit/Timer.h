#pragma once

#include "Control.h"

#include <functional>

namespace tk {

// A periodic timer. Whoever presents the window delivers its ticks by calling fire(); a timer
// that is disabled or has the interval 0 never fires. A timer aligned to the wall clock is
// delivered just after each whole second begins, so that a clock showing seconds neither
// skips nor repeats one.
class Timer : public Control {
public:
    Timer(Window& owner, std::string name, int index = -1)
        : Control(owner, ControlKind::Timer, std::move(name), index)
    {
        setEnabled(false);
    }

    int interval() const { return m_interval; }
    void setInterval(int milliseconds) { set(m_interval, milliseconds); }
    bool alignedToWallClock() const { return m_aligned; }
    void setAlignedToWallClock(bool aligned) { set(m_aligned, aligned); }
    bool isRunning() const { return enabled() && m_interval > 0; }

    std::function<void()> onTimer;
    void fire()
    {
        if (isRunning() && onTimer)
            onTimer();
    }

private:
    int m_interval = 0;
    bool m_aligned = false;
};

} // namespace tk
