#include "EmbeddedPresentation.h"

#include "ForeignWindow.h"

#include <QGuiApplication>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>

namespace {

QSize largestScreen()
{
    QSize largest;
    for (const QScreen* screen : QGuiApplication::screens())
        largest = largest.expandedTo(screen->size());
    return largest;
}

} // namespace

EmbeddedPresentation::EmbeddedPresentation(std::unique_ptr<ForeignWindow> parent)
    : m_parent(std::move(parent))
    , m_largest(FaceFit::largestFor(largestScreen()))
    , m_fit(FaceFit::layoutFor(m_parent ? m_parent->size() : kOwnWindowSize, m_largest))
{
}

EmbeddedPresentation::~EmbeddedPresentation() = default;

QScreen* EmbeddedPresentation::screen() const
{
    QScreen* screen = m_parent ? m_parent->screen() : nullptr;
    return screen ? screen : QGuiApplication::primaryScreen();
}

void EmbeddedPresentation::attach(ClockWindow& clock)
{
    m_clock = &clock;
    clock.setWindowFlags(Qt::Window);
    clock.facePainter().setTextBoxesShown(false);
    clock.installEventFilter(this);
    if (!m_parent) {
        clock.resize(kOwnWindowSize);
        return;
    }
    // A window that is gone ends the run before anything is shown: the clock never opens a
    // window of its own in another's place.
    if (!m_parent->embed(clock)) {
        emit closed();
        return;
    }
    // The clock window covers the window it is drawn in, but never grows past the largest
    // screen: no more of the window can be seen at once, and its back buffer grows with it.
    const auto follow = [this](QSize size) { m_clock->resize(size.boundedTo(m_largest)); };
    follow(m_parent->size());
    connect(m_parent.get(), &ForeignWindow::resized, &clock, follow);
    connect(m_parent.get(), &ForeignWindow::gone, this, &Presentation::closed);
}

void EmbeddedPresentation::windowChanged()
{
    m_clock->setVisible(m_clock->toolkitWindow().visible());
}

QRegion EmbeddedPresentation::toWindow(const QRegion& area) const
{
    return m_fit.toWindow(area.boundingRect());
}

void EmbeddedPresentation::paint(QPainter& painter, const QRegion& area, FacePainter& face)
{
    const QRect rect = area.boundingRect();
    painter.fillRect(rect, Qt::black);
    painter.setTransform(m_fit.transform());
    const QRect whole(QPoint(0, 0), m_fit.layout());
    painter.setClipRect(whole);
    face.paint(painter, m_fit.toFace(rect).intersected(whole));
}

// The window follows its size, and a window of its own that the user closes ends the run.
bool EmbeddedPresentation::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_clock)
        return false;
    if (event->type() == QEvent::Resize) {
        m_fit.fitInto(static_cast<QResizeEvent*>(event)->size());
        m_clock->update();
    } else if (event->type() == QEvent::Close) {
        event->ignore();
        emit closed();
        return true;
    }
    return false;
}
