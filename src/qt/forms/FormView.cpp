#include "FormView.h"

#include "CommandButton.h"
#include "Control.h"
#include "ControlWidgets.h"
#include "FormKeys.h"
#include "QtText.h"
#include "ScreenFont.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMoveEvent>
#include <QScopedValueRollback>
#include <QScreen>

namespace {

// The dialogs stand on the primary monitor, which need not be the one at the desktop's origin.
QPoint primaryOrigin()
{
    const QScreen* primary = QGuiApplication::primaryScreen();
    return primary ? primary->geometry().topLeft() : QPoint();
}

constexpr Qt::WindowFlags kDialogFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

} // namespace

FormView::FormView(tk::Window& window, const ScreenUnits& units, QWidget* parent)
    : QWidget(parent, kDialogFlags)
    , m_window(window)
    , m_units(units)
{
    setFont(ScreenFont::fromFont(tk::Font{}, m_units));
    // Every widget exists before any is placed, since a control may come before its frame.
    for (tk::Control* control : m_window.controls())
        widgetFor(*control);
    for (tk::Control* control : m_window.controls())
        syncControl(*control);
    restack();
    applyWindow();
    m_window.setObserver(this);
}

// The toolkit window may be gone already when the process winds down, so it is not touched.
FormView::~FormView() = default;

QWidget* FormView::widgetFor(tk::Control& control)
{
    const auto found = m_widgets.find(&control);
    if (found != m_widgets.end())
        return found->second;
    QWidget* widget = ControlWidgets::create(control, this);
    m_widgets.emplace(&control, widget);
    return widget;
}

QWidget* FormView::containerWidget(const tk::Control& control)
{
    if (!control.container())
        return this;
    QWidget* frame = widgetFor(*control.container());
    return frame ? frame : this;
}

void FormView::syncControl(tk::Control& control)
{
    QWidget* widget = widgetFor(control);
    if (!widget)
        return;
    QWidget* container = containerWidget(control);
    const bool moved = widget->parentWidget() != container;
    if (moved)
        widget->setParent(container);
    ControlWidgets::update(control, widget, m_units);
    if (moved)
        restack();
}

// Labels and lines are drawn on their container's surface, beneath its windowed controls,
// in their own stacking order among themselves.
void FormView::restack()
{
    const auto& stacking = m_window.stacking();
    for (auto it = stacking.rbegin(); it != stacking.rend(); ++it) {
        const auto found = m_widgets.find(*it);
        if (found != m_widgets.end() && found->second)
            found->second->lower();
    }
}

void FormView::applyWindow()
{
    const QString title = toQt(m_window.caption());
    if (windowTitle() != title)
        setWindowTitle(title);
    const QRect place = m_units.toWholePixels(m_window.bounds());
    setFixedSize(place.size());
    const QPoint position = primaryOrigin() + place.topLeft();
    if (!m_followingUserMove && position != m_appliedPosition) {
        m_appliedPosition = position;
        move(position);
    }
    if (m_window.visible() != isVisible())
        setVisible(m_window.visible());
}

void FormView::controlChanged(tk::Control& control, const tk::Bounds&)
{
    syncControl(control);
}

void FormView::windowChanged()
{
    applyWindow();
    if (m_modalLoop && !m_window.visible())
        m_modalLoop->quit();
}

void FormView::stackingChanged()
{
    restack();
}

void FormView::shown()
{
    if (!isVisible())
        show();
    raise();
    activateWindow();
}

void FormView::execModal()
{
    // The modality of a window cannot change while it is on the screen.
    if (isVisible())
        hide();
    setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    {
        const QScopedValueRollback<QEventLoop*> current(m_modalLoop, &loop);
        m_window.show();
        if (m_window.visible())
            loop.exec(QEventLoop::DialogExec);
    }
    if (isVisible())
        hide();
    setWindowModality(Qt::NonModal);
    if (m_window.visible())
        show();
}

bool FormView::press(FormKey key)
{
    tk::CommandButton* button = FormKeys::buttonFor(m_window, key);
    if (button)
        button->click();
    return button != nullptr;
}

void FormView::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && press(FormKey::Enter))
        return;
    if (key == Qt::Key_Escape && press(FormKey::Escape))
        return;
    QWidget::keyPressEvent(event);
}

// Closing from the window's frame is the cancel button's business; the toolkit hides the
// window when it wants it hidden.
void FormView::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (event->spontaneous())
        press(FormKey::Close);
}

// A window moved by the user reports its new place back, so that the toolkit reads where the
// window really stands.
void FormView::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    if (!event->spontaneous() || !isVisible() || pos() == m_appliedPosition)
        return;
    m_appliedPosition = pos();
    const QScopedValueRollback<bool> following(m_followingUserMove, true);
    const QPoint onPrimary = pos() - primaryOrigin();
    m_window.setLeft(m_units.toTwips(onPrimary.x()));
    m_window.setTop(m_units.toTwips(onPrimary.y()));
}
