#pragma once

#include "FullScreenPresentation.h"

// The screen saver's own way in a Wayland session. A Wayland client can neither place its
// windows nor move the pointer, and a compositor shows a new window over a full-screen one
// only when it belongs to it; so the pointer stays where it is, and every dialog is made the
// clock window's own.
class WaylandPresentation : public FullScreenPresentation {
    Q_OBJECT

public:
    void movePointer(QPoint) override {}
    void adoptDialog(QWidget& dialog) override;
};
