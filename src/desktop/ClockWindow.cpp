#include "ClockWindow.h"

#include "Form1.h"
#include "Line.h"
#include "ScreenCovers.h"
#include "TimerBinding.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>

#include <algorithm>

namespace {

constexpr char16_t kDelete = 0x7F;

} // namespace

ClockWindow::ClockWindow(Form1& form, QSize hostedLayout, QWidget* parent)
    : QWidget(parent, hostedLayout.isEmpty() ? Qt::Window | Qt::FramelessWindowHint : Qt::Window)
    , m_form(form)
    , m_painter(form)
    , m_fit(hostedLayout)
{
    // The face paints every pixel itself, so Qt need not clear anything first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    // The setup hint tells of a key that a hosted clock does not take.
    m_painter.setTextBoxesShown(!isHosted());
    if (!isHosted()) {
        setMouseTracking(true);
        setFocusPolicy(Qt::StrongFocus);
        m_covers = std::make_unique<ScreenCovers>(*this);
        connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, &ClockWindow::applyGeometry);
    }
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    m_form.setObserver(this);
    for (tk::Control* control : m_form.controls()) {
        if (control->kind() == tk::ControlKind::Timer)
            bindTimer(static_cast<tk::Timer&>(*control));
    }
    setWindowTitle(QString::fromStdString(m_form.caption()));
    applyCursor();
    applyGeometry();
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
    if (!isVisible() || dirty.isEmpty())
        return;
    if (isHosted())
        update(m_fit.toWindow(dirty.boundingRect()));
    else
        update(dirty);
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
        const QLineF now = FacePainter::pixelLine(line);
        const auto seen = m_lines.find(&control);
        if (seen != m_lines.end())
            dirty = FacePainter::lineArea(seen->second, line.borderWidth());
        else if (!before.isEmpty())
            dirty = FacePainter::paintedArea(control, before);
        dirty += FacePainter::lineArea(now, line.borderWidth());
        m_lines[&control] = now;
        return dirty;
    }
    const tk::Bounds now = control.bounds();
    if (!before.isEmpty())
        dirty = FacePainter::paintedArea(control, before);
    if (!now.isEmpty())
        dirty += FacePainter::paintedArea(control, now);
    return dirty;
}

// Picture boxes stand above the light-weight controls and paint every pixel of their box, so
// what changes beneath one cannot be seen: the clock's lines all start under the centre
// picture, and without this every tick would repaint the picture and each line.
QRegion ClockWindow::uncovered(const tk::Control& control, QRegion dirty) const
{
    if (control.kind() == tk::ControlKind::PictureBox || control.kind() == tk::ControlKind::TextBox)
        return dirty;
    for (const tk::Control* other : m_form.controls()) {
        if (other->kind() == tk::ControlKind::PictureBox && other->visible() && !other->container())
            dirty -= FacePainter::pixelRect(other->bounds()).toRect();
    }
    return dirty;
}

void ClockWindow::windowChanged()
{
    setWindowTitle(QString::fromStdString(m_form.caption()));
    applyCursor();
    applyGeometry();
    applyVisibility();
    update();
}

void ClockWindow::stackingChanged()
{
    update();
}

void ClockWindow::shown()
{
    // A host decides what stands in front of its window.
    if (isHosted())
        return;
    m_covers->show();
    raise();
    // A dialog that already stands over the clock keeps the keyboard.
    if (!otherWindowVisible())
        activateWindow();
    emit broughtToFront();
}

void ClockWindow::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (!isHosted()) {
        paintFace(painter, event->region());
        return;
    }
    painter.fillRect(event->rect(), Qt::black);
    painter.setTransform(m_fit.transform());
    const QRect face(QPoint(0, 0), m_fit.layout());
    painter.setClipRect(face);
    paintFace(painter, m_fit.toFace(event->rect()).intersected(face));
}

void ClockWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (isHosted()) {
        m_fit.fitInto(event->size());
        update();
    }
}

void ClockWindow::keyPressEvent(QKeyEvent* event)
{
    if (isHosted()) {
        event->ignore();
        return;
    }
    // Keys that type nothing, such as Shift alone, arrows, function keys or Delete (which Qt
    // reports as the control character DEL), are not the clock's business. Enter, Escape,
    // Backspace, the space bar and control characters typed with Ctrl are characters.
    const QString text = event->text();
    const QChar typed = text.isEmpty() ? QChar() : text.at(0);
    if (typed.isNull() || typed == QChar(kDelete)) {
        event->ignore();
        return;
    }
    event->accept();
    m_form.Form_KeyPress(typed.unicode());
}

void ClockWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (isHosted()) {
        event->ignore();
        return;
    }
    event->accept();
    m_form.Form_MouseMove();
}

// The run ends only by the clock's own rules, each of which ends the process at once; a window
// of its own that the user closes ends a hosted run.
void ClockWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (isHosted())
        emit closed();
}

QRect ClockWindow::targetGeometry() const
{
    if (m_form.windowState() == tk::WindowState::Maximised) {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            return screen->geometry();
    }
    return FacePainter::pixelRect(m_form.bounds()).toRect();
}

// Without a window manager nobody else makes the window cover the screen, so it takes the
// screen's geometry itself and asks for full screen as well.
void ClockWindow::applyGeometry()
{
    if (isHosted())
        return;
    const QRect target = targetGeometry();
    if (!target.isEmpty() && geometry() != target)
        setGeometry(target);
}

void ClockWindow::applyCursor()
{
    // A hosted window shows the host's pointer, if any.
    if (isHosted())
        return;
    switch (m_form.mousePointer()) {
    case tk::MousePointer::Custom:
        setCursor(Qt::BlankCursor);
        break;
    case tk::MousePointer::Crosshair:
        setCursor(Qt::CrossCursor);
        break;
    case tk::MousePointer::Default:
        unsetCursor();
        break;
    }
    m_covers->setCursor(cursor());
}

void ClockWindow::applyVisibility()
{
    if (m_form.visible() == isVisible())
        return;
    if (!m_form.visible()) {
        hide();
        return;
    }
    if (m_form.windowState() == tk::WindowState::Maximised && !isHosted())
        showFullScreen();
    else
        show();
    applyGeometry();
}

bool ClockWindow::otherWindowVisible() const
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [this](const QWidget* window) {
        return window != this && window->isVisible() && window->isWindow() &&
               !m_covers->isCover(window);
    });
}
