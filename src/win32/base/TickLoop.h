#pragma once

#include <windows.h>

#include <functional>

// The messages of the program's thread, with the tick of the wall clock's seconds among them.
// The tick is a waitable timer, of high resolution where the system has one, on which the loop
// waits beside the messages: it lands a few milliseconds after the second it was booked for,
// with no busy wait, where a system timer's grain and coalescing could make it late by tens.
// The modal loops of message boxes and pickers know nothing of that timer, so a system timer
// booked a little later stands in for it while one runs.
class TickLoop {
public:
    explicit TickLoop(HINSTANCE instance);
    ~TickLoop();
    TickLoop(const TickLoop&) = delete;
    TickLoop& operator=(const TickLoop&) = delete;

    // What runs at each tick booked.
    void setTick(std::function<void()> tick) { m_tick = std::move(tick); }
    // Books the tick for just after the next second of the wall clock begins, in place of one
    // booked before.
    void bookNextSecond();
    void cancel();
    // Runs the thread's messages until it is told to quit, and returns the status it is told.
    // `filter` sees each message first, and keeps it from its window when it returns true.
    int run(const std::function<bool(MSG&)>& filter);
    // Runs them while `going` holds, as a modal dialog does. A quit that comes meanwhile ends
    // it, and is told again for the loop outside to see.
    void runWhile(const std::function<bool()>& going, const std::function<bool(MSG&)>& filter);

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Runs the tick or a message, whichever comes first; false when the thread is told to
    // quit, with the quit in `message`.
    bool step(MSG& message, const std::function<bool(MSG&)>& filter);
    // Takes the next message; false when there is none yet.
    static bool nextMessage(MSG& message, bool waited);
    void runTick();

    HANDLE m_timer = nullptr;
    // A window of messages only, which takes the stand-in timer's ticks.
    HWND m_window = nullptr;
    bool m_booked = false;
    std::function<void()> m_tick;
};
