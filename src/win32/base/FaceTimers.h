#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <vector>

class TickLoop;

namespace tk {
class Timer;
}

// Delivers the ticks of a toolkit window's timers: a timer with an interval by a system timer
// of the window that shows the face, and a timer aligned to the wall clock by the run's tick of
// the seconds, booked one second at a time so that a late tick never makes the next late.
class FaceTimers {
public:
    // `eachSecond` runs at each tick of the seconds, before the timers aligned to it.
    FaceTimers(HWND window, TickLoop& ticks, std::function<void()> eachSecond = {});
    ~FaceTimers();
    FaceTimers(const FaceTimers&) = delete;
    FaceTimers& operator=(const FaceTimers&) = delete;

    // Starts, restarts or stops the delivery of a timer after a change of it.
    void timerChanged(tk::Timer& timer);
    // Runs the tick of the window's system timer `id`; false when it is none of these timers'.
    bool fire(UINT_PTR id);

private:
    struct Slot {
        tk::Timer* timer;
        bool running = false;
        bool aligned = false;
        int interval = 0;
    };

    void sync(std::size_t index);
    // Books the tick of the seconds while an aligned timer runs, and cancels it when none does.
    void bookSeconds();
    void secondBegan();

    HWND m_window;
    TickLoop& m_ticks;
    std::function<void()> m_eachSecond;
    std::vector<Slot> m_slots;
    bool m_secondsBooked = false;
};
