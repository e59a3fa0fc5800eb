#pragma once

#include "Control.h"
#include "FacePainter.h"
#include "Window.h"

#include <QRect>
#include <QRegion>

// Watches a window and collects the pixels that its changes leave to repaint, by the same rule
// as the clock window: a moved or changed control dirties the area it covered before and the
// area it covers now.
class DirtyRegionRecorder : public tk::Window::Observer {
public:
    explicit DirtyRegionRecorder(QRect screen)
        : m_screen(screen)
    {
    }

    const QRegion& region() const { return m_region; }
    void clear() { m_region = QRegion(); }

    void controlChanged(tk::Control& control, const tk::Bounds& before) override
    {
        if (control.kind() == tk::ControlKind::Timer)
            return;
        const tk::Bounds now = control.bounds();
        if (!before.isEmpty())
            m_region += FacePainter::paintedArea(control, before);
        if (!now.isEmpty())
            m_region += FacePainter::paintedArea(control, now);
    }
    void windowChanged() override { m_region = m_screen; }
    void stackingChanged() override { m_region = m_screen; }
    void shown() override {}

private:
    QRect m_screen;
    QRegion m_region;
};
