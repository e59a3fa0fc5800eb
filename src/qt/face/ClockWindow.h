#pragma once

#include "FacePainter.h"
#include "RepaintAreas.h"
#include "Window.h"
#include "WindowSurface.h"

#include <QWidget>

#include <map>
#include <memory>

class ScreenUnits;
class TimerBinding;

namespace tk {
class Timer;
}

// The clock window on the screen: it paints the face from the toolkit window's elements,
// repaints only what a change touched, and drives the window's timers. How it is shown, where
// it stands and what becomes of input are its presenter's.
class ClockWindow : public QWidget, public tk::Window::Observer {
    Q_OBJECT

public:
    // One way of showing the clock window.
    class Presenter {
    public:
        virtual ~Presenter() = default;
        // Makes the window one of this way: its kind of window, place, input and neighbours.
        virtual void attach(ClockWindow& clock) = 0;
        // The screen the face is laid out for, in pixels.
        virtual QSize layoutSize() const = 0;
        // The toolkit window's place, state, pointer or visibility changed.
        virtual void windowChanged() = 0;
        // The toolkit window was shown, which brings it to the front.
        virtual void shown() = 0;
        // The window's pixels that a change of the face's `area` leaves to repaint.
        virtual QRegion toWindow(const QRegion& area) const = 0;
        // Paints the window's `area` with the face where it stands in the window.
        virtual void paint(QPainter& painter, const QRegion& area, FacePainter& face) = 0;
    };

    ClockWindow(tk::Window& window, const ScreenUnits& units, Presenter& presenter);
    ~ClockWindow() override;

    tk::Window& toolkitWindow() const { return m_window; }
    FacePainter& facePainter() { return m_painter; }
    // Paints the part of the face inside `area` (pixels of the face), also into an image, clipped
    // to the area as a paint event is.
    void paintFace(QPainter& painter, const QRegion& area);
    // The pixels of the face that a change of a control leaves to repaint: what it covered
    // before and what it covers now, where nothing in front hides them.
    QRegion repaintArea(const tk::Control& control, const tk::Bounds& before);
    // The QTimer binding that drives a timer of the clock window, or null.
    TimerBinding* timerBinding(const tk::Timer& timer) const;

    void controlChanged(tk::Control& control, const tk::Bounds& before) override;
    void windowChanged() override;
    void stackingChanged() override;
    void shown() override;

    QPaintEngine* paintEngine() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void bindTimer(tk::Timer& timer);

    tk::Window& m_window;
    FacePainter m_painter;
    Presenter& m_presenter;
    std::unique_ptr<WindowSurface> m_surface;
    std::map<const tk::Timer*, TimerBinding*> m_timers;
    scene::RepaintAreas m_repaintAreas;
};
