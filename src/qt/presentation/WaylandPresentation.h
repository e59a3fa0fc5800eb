#pragma once

#include "FullScreenPresentation.h"

#include <QPointer>

#include <vector>

// The screen saver's own way in a Wayland session. A Wayland client can neither place its
// windows nor move the pointer, and a compositor shows a new window over a full-screen one
// only when it belongs to it; so the pointer stays where it is, and every dialog is made the
// clock window's own. A compositor may still leave the keyboard with the full-screen clock
// (sway gives no window opened over it the focus), so while a dialog is open the keys typed
// on the clock are the dialog's, as they would be where it takes the focus.
class WaylandPresentation : public FullScreenPresentation {
    Q_OBJECT

public:
    using FullScreenPresentation::FullScreenPresentation;

    void adoptDialog(QWidget& dialog) override;
    void shown() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The newest of the run's dialogs that is shown. A modal one blocks the clock's input in Qt,
    // so keys never reach the clock while it is open.
    QWidget* frontDialog() const;

    std::vector<QPointer<QWidget>> m_dialogs;
    // Dialogs shown while the clock window was not: the compositor made them windows of their
    // own, which the full-screen clock then covers.
    std::vector<QPointer<QWidget>> m_shownBeforeClock;
};
