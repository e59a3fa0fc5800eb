#pragma once

#include "ClockWindow.h"

#include <QObject>
#include <QPoint>
#include <QSize>

class QScreen;

// One way of presenting the clock, chosen once at the start of a run: how the clock window is
// shown, the screen its face is laid out for, and what of the machine the run may take (the
// single-instance lock, the pointer).
class Presentation : public QObject, public ClockWindow::Presenter {
    Q_OBJECT

public:
    // The screen the clock is shown on, whose dots per inch decide its units.
    virtual QScreen* screen() const = 0;
    // Takes the single-instance lock where this way has one; true when another copy holds it.
    virtual bool anotherInstanceRunning() = 0;
    // Moves the pointer to a point of the clock's screen, where this way may move it.
    virtual void movePointer(QPoint point) = 0;
    // A window of the run other than the clock, such as a dialog, is about to be shown first.
    virtual void adoptDialog(QWidget& /*dialog*/) {}

signals:
    // The clock window was just brought to the front; dialogs over it must be raised again.
    void broughtToFront();
    // The user or the window's owner closed what the clock is shown in; the run is over.
    void closed();
};
