#pragma once

#include <QObject>
#include <QTimer>

namespace tk {
class Timer;
}

// Drives one toolkit timer with a QTimer, kept in step with the timer's interval and enabled
// state. A timer aligned to the wall clock is delivered just after each whole second begins.
class TimerBinding : public QObject {
    Q_OBJECT

public:
    explicit TimerBinding(tk::Timer& timer, QObject* parent = nullptr);

    tk::Timer& timer() const { return m_timer; }
    // Starts, restarts or stops the QTimer after a change of the toolkit timer.
    void sync();
    bool isActive() const { return m_qtimer.isActive(); }

    // Milliseconds from now until shortly after the next whole second of the wall clock.
    static int delayToNextSecond();

private:
    void onTimeout();
    void scheduleNextSecond();

    tk::Timer& m_timer;
    QTimer m_qtimer;
    int m_runningInterval = 0;
    bool m_runningAligned = false;
};
