#include "BlackScreenWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>

BlackScreenWindow::BlackScreenWindow(QWidget& clock, QScreen& screen)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    , m_clock(clock)
    , m_screen(screen)
{
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setWindowTitle(clock.windowTitle());
    setScreen(&screen);
    setCursor(clock.cursor());
    cover();
}

// Without a window manager nobody else makes the window cover its monitor.
void BlackScreenWindow::cover()
{
    setGeometry(m_screen.geometry());
}

void BlackScreenWindow::keyPressEvent(QKeyEvent* event)
{
    QCoreApplication::sendEvent(&m_clock, event);
}

void BlackScreenWindow::mouseMoveEvent(QMouseEvent* event)
{
    QCoreApplication::sendEvent(&m_clock, event);
}

// Like the clock window, a cover ends only with the run.
void BlackScreenWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
}
