#include "TickLoop.h"

#include "TickSchedule.h"
#include "WindowClasses.h"

#include <cstdint>

namespace {

constexpr const wchar_t* kClassName = WindowClasses::kTicks;
constexpr UINT_PTR kStandInTimer = 1;
// How long after the tick's moment the stand-in fires: late enough that the waitable timer
// always comes first where the program's own loop runs.
constexpr UINT kStandInDelay = 30;
// Windows 10 1803's flag for a timer of high resolution, which older headers lack.
constexpr DWORD kHighResolution = 0x00000002;
// FILETIME and the waitable timer's due times count 100-nanosecond steps.
constexpr std::int64_t kStepsPerMillisecond = 10'000;

HANDLE makeTimer()
{
    // Older Windows refuses the flag, and then a plain timer does, with the system's grain.
    HANDLE timer = ::CreateWaitableTimerExW(nullptr, nullptr, kHighResolution, TIMER_ALL_ACCESS);
    if (!timer)
        timer = ::CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
    return timer;
}

// Milliseconds from now until shortly after the next whole second of the wall clock.
int delayToNextSecond()
{
    FILETIME now;
    ::GetSystemTimePreciseAsFileTime(&now);
    const std::int64_t steps =
        (static_cast<std::int64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    return TickSchedule::delayToNextSecond(steps / kStepsPerMillisecond);
}

} // namespace

TickLoop::TickLoop(HINSTANCE instance)
    : m_timer(makeTimer())
{
    WNDCLASSEXW type = {};
    type.cbSize = sizeof(type);
    type.lpfnWndProc = procedure;
    type.hInstance = instance;
    type.lpszClassName = kClassName;
    ::RegisterClassExW(&type);
    m_window = ::CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance,
                                 nullptr);
    ::SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TickLoop::~TickLoop()
{
    ::SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
    ::DestroyWindow(m_window);
    if (m_timer)
        ::CloseHandle(m_timer);
}

// A relative time, since the wall clock the moment is reckoned from may be set while the
// timer waits; the next booking reckons afresh.
void TickLoop::bookNextSecond()
{
    const int delay = delayToNextSecond();
    m_booked = true;
    LARGE_INTEGER due;
    due.QuadPart = -static_cast<LONGLONG>(delay) * kStepsPerMillisecond;
    if (m_timer)
        ::SetWaitableTimer(m_timer, &due, 0, nullptr, nullptr, FALSE);
    ::SetTimer(m_window, kStandInTimer, static_cast<UINT>(delay) + kStandInDelay, nullptr);
}

void TickLoop::cancel()
{
    m_booked = false;
    if (m_timer)
        ::CancelWaitableTimer(m_timer);
    ::KillTimer(m_window, kStandInTimer);
}

int TickLoop::run(const std::function<bool(MSG&)>& filter)
{
    MSG message;
    while (step(message, filter)) {
    }
    return static_cast<int>(message.wParam);
}

void TickLoop::runWhile(const std::function<bool()>& going, const std::function<bool(MSG&)>& filter)
{
    MSG message;
    while (going()) {
        if (!step(message, filter)) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
    }
}

bool TickLoop::step(MSG& message, const std::function<bool(MSG&)>& filter)
{
    const DWORD handles = m_timer ? 1 : 0;
    // The timer comes before the messages when both are there.
    const DWORD woken = ::MsgWaitForMultipleObjectsEx(handles, &m_timer, INFINITE, QS_ALLINPUT,
                                                      MWMO_INPUTAVAILABLE);
    if (handles == 1 && woken == WAIT_OBJECT_0) {
        runTick();
        return true;
    }
    if (!nextMessage(message, woken != WAIT_FAILED))
        return true;
    if (message.message == WM_QUIT)
        return false;
    if (!filter || !filter(message)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return true;
}

// A wait that failed is no reason to stop: the messages are then waited for as usual.
bool TickLoop::nextMessage(MSG& message, bool waited)
{
    if (waited)
        return ::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE;
    const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
    if (got == 0)
        message.message = WM_QUIT;
    return got >= 0;
}

// Whichever timer comes first runs the tick, once: the waitable timer may stay signalled after
// the stand-in ran it, and is then let pass.
void TickLoop::runTick()
{
    if (!m_booked)
        return;
    m_booked = false;
    ::KillTimer(m_window, kStandInTimer);
    if (m_tick)
        m_tick();
}

LRESULT CALLBACK TickLoop::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<TickLoop*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_TIMER && wParam == kStandInTimer && self) {
        self->runTick();
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}
