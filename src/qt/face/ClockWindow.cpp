#include "ClockWindow.h"

#include "QtSceneGeometry.h"
#include "QtText.h"
#include "Timer.h"
#include "TimerBinding.h"

#include <QCloseEvent>
#include <QPaintEvent>
#include <QPainter>

ClockWindow::ClockWindow(tk::Window& window, const ScreenUnits& units, Presenter& presenter)
    : m_window(window)
    , m_painter(window, units, presenter.layoutSize())
    , m_presenter(presenter)
    , m_surface(WindowSurface::forWindow(*this))
    , m_repaintAreas(window, units.units())
{
    // The face paints every pixel itself, so Qt need not clear anything first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_PaintOnScreen, m_surface->paintsOnScreen());
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    m_window.setObserver(this);
    for (tk::Control* control : m_window.controls()) {
        if (control->kind() == tk::ControlKind::Timer)
            bindTimer(static_cast<tk::Timer&>(*control));
    }
    setWindowTitle(toQt(m_window.caption()));
    m_presenter.attach(*this);
}

// The toolkit window may be gone already when the process winds down, so it is not touched.
ClockWindow::~ClockWindow() = default;

void ClockWindow::paintFace(QPainter& painter, const QRegion& area)
{
    painter.save();
    painter.setClipRegion(area, Qt::IntersectClip);
    m_painter.paint(painter, area);
    painter.restore();
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
    return QtSceneGeometry::toQt(m_repaintAreas.repaintArea(control, before));
}

void ClockWindow::windowChanged()
{
    setWindowTitle(toQt(m_window.caption()));
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

// A window that paints on the screen itself has no paint engine of Qt's.
QPaintEngine* ClockWindow::paintEngine() const
{
    return m_surface->paintsOnScreen() ? nullptr : QWidget::paintEngine();
}

void ClockWindow::paintEvent(QPaintEvent* event)
{
    m_surface->paint(event->region(), [this](QPainter& painter, const QRegion& area) {
        m_presenter.paint(painter, area, m_painter);
    });
}

// The run ends only by the clock's own rules, each of which ends the process at once.
void ClockWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
}
