#include "EmbeddedPresentation.h"

#include "ForeignWindow.h"

#include <QPainter>
#include <QResizeEvent>

EmbeddedPresentation::EmbeddedPresentation(std::unique_ptr<ForeignWindow> parent)
    : m_parent(std::move(parent))
    , m_fit(FaceFit::layoutFor(m_parent ? m_parent->size() : kOwnWindowSize))
{
}

EmbeddedPresentation::~EmbeddedPresentation() = default;

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
    m_parent->embed(clock);
    connect(m_parent.get(), &ForeignWindow::resized, &clock,
            [&clock](QSize size) { clock.resize(size); });
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
