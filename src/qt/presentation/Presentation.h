#pragma once

#include "ClockWindow.h"
#include "RunPolicy.h"

#include <QObject>
#include <QPoint>
#include <QSize>

class QScreen;

// One way of presenting the clock, chosen once at the start of a run: how the clock window is
// shown and the screen its face is laid out for. What of the machine the run may take (the
// single-instance lock, the pointer, input) is the run's policy for that way.
class Presentation : public QObject, public ClockWindow::Presenter {
    Q_OBJECT

public:
    explicit Presentation(const RunPolicy& policy)
        : m_policy(policy)
    {
    }

    const RunPolicy& policy() const { return m_policy; }
    // The screen the clock is shown on, whose dots per inch decide its units.
    virtual QScreen* screen() const = 0;
    // Takes the single-instance lock where the policy has one; true when another copy holds it.
    bool anotherInstanceRunning() { return m_policy.takesLock && lockHeldElsewhere(); }
    // Moves the pointer to a point of the clock's screen, where the policy lets it.
    void movePointer(QPoint point)
    {
        if (m_policy.movesPointer)
            placePointer(point);
    }
    // A window of the run other than the clock, such as a dialog, is about to be shown first.
    virtual void adoptDialog(QWidget& /*dialog*/) {}

signals:
    // The clock window was just brought to the front; dialogs over it must be raised again.
    void broughtToFront();
    // The user or the window's owner closed what the clock is shown in; the run is over.
    void closed();

protected:
    // Tries to take the single-instance lock; true when another copy holds it.
    virtual bool lockHeldElsewhere() { return false; }
    // Moves the pointer to a point of the clock's screen.
    virtual void placePointer(QPoint /*point*/) {}

private:
    const RunPolicy m_policy;
};
