#include "EmbeddedPresentation.h"

#include "ForeignWindow.h"
#include "QtSceneGeometry.h"

#include <QGuiApplication>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <QTransform>

namespace {

using QtSceneGeometry::toQt;
using QtSceneGeometry::toScene;

tk::PixelSize largestScreen()
{
    QSize largest;
    for (const QScreen* screen : QGuiApplication::screens())
        largest = largest.expandedTo(screen->size());
    return toScene(largest);
}

} // namespace

EmbeddedPresentation::EmbeddedPresentation(const RunPolicy& policy,
                                           std::unique_ptr<ForeignWindow> parent)
    : Presentation(policy)
    , m_parent(std::move(parent))
    , m_largest(FaceFit::largestFor(largestScreen()))
    , m_fit(FaceFit::layoutFor(m_parent ? toScene(m_parent->size()) : FaceFit::kOwnWindowSize,
                               m_largest))
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
    clock.facePainter().setTextBoxesShown(policy().showsHint);
    clock.installEventFilter(this);
    if (!m_parent) {
        clock.resize(toQt(FaceFit::kOwnWindowSize));
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
    const auto follow = [this](QSize size) { m_clock->resize(size.boundedTo(toQt(m_largest))); };
    follow(m_parent->size());
    connect(m_parent.get(), &ForeignWindow::resized, &clock, follow);
    connect(m_parent.get(), &ForeignWindow::gone, this, &Presentation::closed);
}

void EmbeddedPresentation::windowChanged()
{
    m_clock->setVisible(m_clock->toolkitWindow().visible());
}

QSize EmbeddedPresentation::layoutSize() const
{
    return toQt(m_fit.layout());
}

QRegion EmbeddedPresentation::toWindow(const QRegion& area) const
{
    return toQt(m_fit.toWindow(toScene(area.boundingRect())));
}

void EmbeddedPresentation::paint(QPainter& painter, const QRegion& area, FacePainter& face)
{
    const QRect rect = area.boundingRect();
    painter.fillRect(rect, Qt::black);
    painter.setTransform(m_transform);
    const QRect whole(QPoint(0, 0), layoutSize());
    painter.setClipRect(whole);
    face.paint(painter, toQt(m_fit.toFace(toScene(rect))).intersected(whole));
}

// The window follows its size, and a window of its own that the user closes ends the run.
bool EmbeddedPresentation::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_clock)
        return false;
    if (event->type() == QEvent::Resize) {
        m_fit.fitInto(toScene(static_cast<QResizeEvent*>(event)->size()));
        const FaceFit::Placement& placement = m_fit.placement();
        m_transform = QTransform::fromTranslate(placement.x, placement.y)
                          .scale(placement.scale, placement.scale);
        m_clock->update();
    } else if (event->type() == QEvent::Close) {
        event->ignore();
        emit closed();
        return true;
    }
    return false;
}
