#include "FullScreenPresentation.h"

#include "ScreenCovers.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QScreen>

#include <algorithm>

namespace {

constexpr char16_t kDelete = 0x7F;

} // namespace

FullScreenPresentation::FullScreenPresentation(const RunPolicy& policy)
    : Presentation(policy)
    , m_lock(os::InstanceLock::defaultPlace())
{
}

FullScreenPresentation::~FullScreenPresentation() = default;

QScreen* FullScreenPresentation::screen() const
{
    return QGuiApplication::primaryScreen();
}

QSize FullScreenPresentation::layoutSize() const
{
    const QScreen* primary = screen();
    return primary ? primary->size() : QSize();
}

bool FullScreenPresentation::lockHeldElsewhere()
{
    return m_lock.heldElsewhere();
}

void FullScreenPresentation::placePointer(QPoint point)
{
    if (QScreen* screen = QGuiApplication::primaryScreen())
        QCursor::setPos(screen, screen->geometry().topLeft() + point);
    else
        QCursor::setPos(point);
}

void FullScreenPresentation::attach(ClockWindow& clock)
{
    m_clock = &clock;
    clock.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    clock.setMouseTracking(true);
    clock.setFocusPolicy(Qt::StrongFocus);
    clock.facePainter().setTextBoxesShown(policy().showsHint);
    clock.installEventFilter(this);
    m_covers = std::make_unique<ScreenCovers>(clock);
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this,
            &FullScreenPresentation::applyGeometry);
    applyCursor();
    applyGeometry();
}

void FullScreenPresentation::windowChanged()
{
    applyCursor();
    applyGeometry();
    applyVisibility();
}

void FullScreenPresentation::shown()
{
    m_covers->show();
    m_clock->raise();
    // A dialog that already stands over the clock keeps the keyboard.
    if (!otherWindowVisible())
        m_clock->activateWindow();
    emit broughtToFront();
}

void FullScreenPresentation::paint(QPainter& painter, const QRegion& area, FacePainter& face)
{
    face.paint(painter, area);
}

// Keys that type nothing, such as Shift alone, arrows, function keys or Delete (which Qt
// reports as the control character DEL), are not the clock's business. Enter, Escape,
// Backspace, the space bar and control characters typed with Ctrl are characters. The covers
// pass their input on to the clock window, so it arrives here too.
bool FullScreenPresentation::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_clock || !policy().takesInput)
        return false;
    if (event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        const QChar typed = text.isEmpty() ? QChar() : text.at(0);
        if (typed.isNull() || typed == QChar(kDelete))
            return false;
        m_clock->toolkitWindow().Form_KeyPress(typed.unicode());
        return true;
    }
    if (event->type() == QEvent::MouseMove) {
        m_clock->toolkitWindow().Form_MouseMove();
        return true;
    }
    return false;
}

QRect FullScreenPresentation::targetGeometry() const
{
    const tk::Window& window = m_clock->toolkitWindow();
    if (window.windowState() == tk::WindowState::Maximised) {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            return screen->geometry();
    }
    return m_clock->facePainter().units().toWholePixels(window.bounds());
}

// Without a window manager nobody else makes the window cover the screen, so it takes the
// screen's geometry itself and asks for full screen as well.
void FullScreenPresentation::applyGeometry()
{
    const QRect target = targetGeometry();
    if (!target.isEmpty() && m_clock->geometry() != target)
        m_clock->setGeometry(target);
}

void FullScreenPresentation::applyCursor()
{
    const tk::MousePointer pointer =
        policy().hidesPointer ? m_clock->toolkitWindow().mousePointer() : tk::MousePointer::Default;
    switch (pointer) {
    case tk::MousePointer::Custom:
        m_clock->setCursor(Qt::BlankCursor);
        break;
    case tk::MousePointer::Crosshair:
        m_clock->setCursor(Qt::CrossCursor);
        break;
    case tk::MousePointer::Default:
        m_clock->unsetCursor();
        break;
    }
    m_covers->setCursor(m_clock->cursor());
}

void FullScreenPresentation::applyVisibility()
{
    const bool visible = m_clock->toolkitWindow().visible();
    if (visible == m_clock->isVisible())
        return;
    if (!visible) {
        m_clock->hide();
        return;
    }
    if (m_clock->toolkitWindow().windowState() == tk::WindowState::Maximised)
        m_clock->showFullScreen();
    else
        m_clock->show();
    applyGeometry();
}

bool FullScreenPresentation::otherWindowVisible() const
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [this](const QWidget* window) {
        return window != m_clock && window->isVisible() && window->isWindow() &&
               !m_covers->isCover(window);
    });
}
