#include "WaylandPresentation.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <algorithm>
#include <utility>

// A window of its own with the clock window as its parent widget is the clock window's
// dialog to the compositor. The run destroys its dialogs before the clock window.
void WaylandPresentation::adoptDialog(QWidget& dialog)
{
    QWidget* clock = clockWindow();
    if (!clock || &dialog == clock || dialog.parentWidget())
        return;
    dialog.setParent(clock, dialog.windowFlags());
    m_dialogs.emplace_back(&dialog);
    if (!clock->isVisible())
        m_shownBeforeClock.emplace_back(&dialog);
}

// A Wayland window learns its parent as it is shown, and only from a parent on the screen.
void WaylandPresentation::shown()
{
    FullScreenPresentation::shown();
    for (const QPointer<QWidget>& dialog : std::exchange(m_shownBeforeClock, {})) {
        if (!dialog || !dialog->isVisible())
            continue;
        dialog->hide();
        dialog->show();
    }
}

bool WaylandPresentation::eventFilter(QObject* watched, QEvent* event)
{
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    QWidget* dialog = key && watched == clockWindow() ? frontDialog() : nullptr;
    if (!dialog)
        return FullScreenPresentation::eventFilter(watched, event);
    QWidget* target = dialog->focusWidget() ? dialog->focusWidget() : dialog;
    const auto* typed = static_cast<QKeyEvent*>(event);
    QKeyEvent copy(typed->type(), typed->key(), typed->modifiers(), typed->text(),
                   typed->isAutoRepeat(), typed->count());
    QApplication::sendEvent(target, &copy);
    return true;
}

QWidget* WaylandPresentation::frontDialog() const
{
    const auto shown =
        std::find_if(m_dialogs.rbegin(), m_dialogs.rend(),
                     [](const QPointer<QWidget>& dialog) { return dialog && dialog->isVisible(); });
    return shown == m_dialogs.rend() ? nullptr : shown->data();
}
