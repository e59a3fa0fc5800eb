#pragma once

#include "FaceFit.h"
#include "FacePainter.h"
#include "Window.h"

#include <QLineF>
#include <QWidget>

#include <map>
#include <memory>
#include <unordered_map>

class Form1;
class ScreenCovers;
class TimerBinding;

namespace tk {
class Timer;
}

// Presents the clock window: a frameless window over the whole primary screen, with the other
// monitors covered in black, that paints the face from the window's elements, repaints only
// what a change touched, drives the window's timers, and hands typed characters and mouse
// movement to the clock.
//
// A hosted clock window stands instead in a window that a host gives it, or in an ordinary
// window of its own: laid out for `hostedLayout` pixels, scaled to fit and centred, following
// the window's size, and deaf to input, which belongs to the host.
class ClockWindow : public QWidget, public tk::Window::Observer {
    Q_OBJECT

public:
    explicit ClockWindow(Form1& form, QSize hostedLayout = {}, QWidget* parent = nullptr);
    ~ClockWindow() override;

    bool isHosted() const { return !m_fit.layout().isEmpty(); }

    Form1& form() const { return m_form; }
    // Paints the part of the face inside `area` (pixels), also into an image.
    void paintFace(QPainter& painter, const QRegion& area);
    // The pixels that a change of a control leaves to repaint: what it covered before and what
    // it covers now, where nothing in front hides them.
    QRegion repaintArea(const tk::Control& control, const tk::Bounds& before);
    // The QTimer binding that drives a timer of the clock window, or null.
    TimerBinding* timerBinding(const tk::Timer& timer) const;

    void controlChanged(tk::Control& control, const tk::Bounds& before) override;
    void windowChanged() override;
    void stackingChanged() override;
    void shown() override;

signals:
    // The clock window was just raised; dialogs that stand over it must be raised again.
    void broughtToFront();
    // A hosted window of its own was closed by the user.
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void bindTimer(tk::Timer& timer);
    void applyGeometry();
    void applyCursor();
    void applyVisibility();
    QRect targetGeometry() const;
    bool otherWindowVisible() const;
    QRegion dirtyArea(const tk::Control& control, const tk::Bounds& before);
    QRegion uncovered(const tk::Control& control, QRegion dirty) const;

    Form1& m_form;
    FacePainter m_painter;
    FaceFit m_fit;
    std::unique_ptr<ScreenCovers> m_covers;
    std::map<const tk::Timer*, TimerBinding*> m_timers;
    // Where each line was last seen, so that a moved line repaints only its old and new
    // strokes rather than the rectangles around them.
    std::unordered_map<const tk::Control*, QLineF> m_lines;
};
