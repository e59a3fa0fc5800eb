#include "WaylandPresentation.h"

#include <QWidget>

// A window of its own with the clock window as its parent widget is the clock window's
// dialog to the compositor. The run destroys its dialogs before the clock window.
void WaylandPresentation::adoptDialog(QWidget& dialog)
{
    QWidget* clock = clockWindow();
    if (clock && &dialog != clock && !dialog.parentWidget())
        dialog.setParent(clock, dialog.windowFlags());
}
