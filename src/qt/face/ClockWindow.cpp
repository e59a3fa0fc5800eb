#include "ClockWindow.h"

#include "Line.h"
#include "Timer.h"
#include "TimerBinding.h"

#include <QCloseEvent>
#include <QPaintEvent>
#include <QPainter>

ClockWindow::ClockWindow(tk::Window& window, const ScreenUnits& units, Presenter& presenter)
    : m_window(window)
    , m_painter(window, units, presenter.layoutSize())
    , m_presenter(presenter)
{
    // The face paints every pixel itself, so Qt need not clear anything first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    m_window.setObserver(this);
    for (tk::Control* control : m_window.controls()) {
        if (control->kind() == tk::ControlKind::Timer)
            bindTimer(static_cast<tk::Timer&>(*control));
    }
    setWindowTitle(QString::fromStdString(m_window.caption()));
    m_presenter.attach(*this);
}

// The toolkit window may be gone already when the process winds down, so it is not touched.
ClockWindow::~ClockWindow() = default;

void ClockWindow::paintFace(QPainter& painter, const QRegion& area)
{
    m_painter.paint(painter, area);
}

TimerBinding* ClockWindow::timerBinding(const tk::Timer& timer) const
{
    const auto it = m_timers.find(&timer);
    return it == m_timers.end() ? nullptr : it->second;
}

void ClockWindow::bindTimer(tk::Timer& timer)
{
    m_timers[&timer] = new TimerBinding(timer, this);
}

void ClockWindow::controlChanged(tk::Control& control, const tk::Bounds& before)
{
    if (control.kind() == tk::ControlKind::Timer) {
        auto& timer = static_cast<tk::Timer&>(control);
        if (TimerBinding* binding = timerBinding(timer))
            binding->sync();
        else
            bindTimer(timer);
        return;
    }
    const QRegion dirty = repaintArea(control, before);
    if (isVisible() && !dirty.isEmpty())
        update(m_presenter.toWindow(dirty));
}

QRegion ClockWindow::repaintArea(const tk::Control& control, const tk::Bounds& before)
{
    return uncovered(control, dirtyArea(control, before));
}

QRegion ClockWindow::dirtyArea(const tk::Control& control, const tk::Bounds& before)
{
    QRegion dirty;
    if (control.kind() == tk::ControlKind::Line) {
        const auto& line = static_cast<const tk::Line&>(control);
        const QLineF now = m_painter.pixelLine(line);
        const auto seen = m_lines.find(&control);
        if (seen != m_lines.end())
            dirty = FacePainter::lineArea(seen->second, line.borderWidth());
        else if (!before.spansNothing())
            dirty = m_painter.paintedArea(control, before);
        dirty += FacePainter::lineArea(now, line.borderWidth());
        m_lines[&control] = now;
        return dirty;
    }
    const tk::Bounds now = control.bounds();
    if (!before.spansNothing())
        dirty = m_painter.paintedArea(control, before);
    if (!now.spansNothing())
        dirty += m_painter.paintedArea(control, now);
    return dirty;
}

// Picture boxes stand above the light-weight controls and paint every pixel of their box, so
// what changes beneath one cannot be seen: the clock's lines all start under the centre
// picture, and without this every tick would repaint the picture and each line.
QRegion ClockWindow::uncovered(const tk::Control& control, QRegion dirty) const
{
    if (control.kind() == tk::ControlKind::PictureBox || control.kind() == tk::ControlKind::TextBox)
        return dirty;
    for (const tk::Control* other : m_window.controls()) {
        if (other->kind() == tk::ControlKind::PictureBox && other->visible() && !other->container())
            dirty -= m_painter.units().toWholePixels(other->bounds());
    }
    return dirty;
}

void ClockWindow::windowChanged()
{
    setWindowTitle(QString::fromStdString(m_window.caption()));
    m_presenter.windowChanged();
    update();
}

void ClockWindow::stackingChanged()
{
    update();
}

void ClockWindow::shown()
{
    m_presenter.shown();
}

void ClockWindow::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    m_presenter.paint(painter, event->region(), m_painter);
}

// The run ends only by the clock's own rules, each of which ends the process at once.
void ClockWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
}
