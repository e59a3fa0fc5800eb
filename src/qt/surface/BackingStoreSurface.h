#pragma once

#include "WindowSurface.h"

#include <QPainter>
#include <QWidget>

// Qt's own way: the window paints into Qt's back buffer, which Qt then sends to the screen.
// Wayland has no other, and neither has an X server whose pixels the program does not know.
class BackingStoreSurface : public WindowSurface {
public:
    explicit BackingStoreSurface(QWidget& window)
        : m_window(window)
    {
    }

    bool paintsOnScreen() const override { return false; }
    void paint(const QRegion& area, const Painting& painting) override
    {
        QPainter painter(&m_window);
        painter.setClipRegion(area);
        painting(painter, area);
    }

private:
    QWidget& m_window;
};
