#pragma once

#include "ClockWindow.h"
#include "Control.h"
#include "Window.h"

#include <QRect>
#include <QRegion>

// Watches the clock window in its place and collects the pixels that its changes leave to
// repaint, by the clock window's own rule.
class DirtyRegionRecorder : public tk::Window::Observer {
public:
    DirtyRegionRecorder(ClockWindow& window, QRect screen)
        : m_window(window)
        , m_screen(screen)
    {
    }

    const QRegion& region() const { return m_region; }
    void clear() { m_region = QRegion(); }

    void controlChanged(tk::Control& control, const tk::Bounds& before) override
    {
        if (control.kind() == tk::ControlKind::Timer)
            return;
        m_region += m_window.repaintArea(control, before);
    }
    void windowChanged() override { m_region = m_screen; }
    void stackingChanged() override { m_region = m_screen; }
    void shown() override {}

private:
    ClockWindow& m_window;
    QRect m_screen;
    QRegion m_region;
};
