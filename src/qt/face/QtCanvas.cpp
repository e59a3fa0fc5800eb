#include "QtCanvas.h"

#include "QtCanvasCache.h"
#include "QtColour.h"
#include "QtPicture.h"
#include "QtSceneGeometry.h"
#include "QtText.h"
#include "ShapeSprite.h"

#include <QPaintDevice>
#include <QPainter>
#include <QString>

#include <algorithm>

using QtSceneGeometry::toQt;

namespace {

// Rows of a sprite copied at a time.
constexpr int kSpriteSliceRows = 16;

QPen qtPen(const scene::Pen& pen)
{
    return QPen(qtColour(pen.colour), pen.width, Qt::SolidLine,
                pen.cap == scene::PenCap::Round ? Qt::RoundCap : Qt::SquareCap);
}

int qtAlignment(int flags)
{
    int qt = 0;
    if (flags & scene::kAlignLeft)
        qt |= Qt::AlignLeft;
    if (flags & scene::kAlignRight)
        qt |= Qt::AlignRight;
    if (flags & scene::kAlignHCentre)
        qt |= Qt::AlignHCenter;
    if (flags & scene::kAlignTop)
        qt |= Qt::AlignTop;
    if (flags & scene::kAlignVCentre)
        qt |= Qt::AlignVCenter;
    return qt;
}

// Every picture of this program is a QtPicture.
const QtPicture* qtPictureOf(const tk::Picture& picture)
{
    return dynamic_cast<const QtPicture*>(&picture);
}

} // namespace

double QtCanvas::devicePixelRatio() const
{
    return m_painter.device()->devicePixelRatioF();
}

void QtCanvas::save()
{
    m_painter.save();
}

void QtCanvas::restore()
{
    m_painter.restore();
}

void QtCanvas::clipTo(const tk::PixelRect& rect)
{
    m_painter.setClipRect(toQt(rect), Qt::IntersectClip);
}

// Qt's raster engine recomputes its state on every change of a hint, even to the same value.
void QtCanvas::setAntialiasing(bool on)
{
    if (m_painter.testRenderHint(QPainter::Antialiasing) != on)
        m_painter.setRenderHint(QPainter::Antialiasing, on);
}

void QtCanvas::setTextAntialiasing(bool on)
{
    if (m_painter.testRenderHint(QPainter::TextAntialiasing) != on)
        m_painter.setRenderHint(QPainter::TextAntialiasing, on);
}

void QtCanvas::fillRect(const tk::PixelRect& rect, tk::Colour colour)
{
    m_painter.fillRect(toQt(rect), qtColour(colour));
}

void QtCanvas::drawLine(const tk::PixelLineF& line, const scene::Pen& pen)
{
    m_painter.setPen(qtPen(pen));
    m_painter.drawLine(toQt(line));
}

void QtCanvas::setOutlineAndFill(const std::optional<scene::Pen>& pen,
                                 std::optional<tk::Colour> fill)
{
    if (pen)
        m_painter.setPen(qtPen(*pen));
    else
        m_painter.setPen(Qt::NoPen);
    if (fill)
        m_painter.setBrush(qtColour(*fill));
    else
        m_painter.setBrush(Qt::NoBrush);
}

void QtCanvas::drawEllipse(const tk::PixelRectF& box, const std::optional<scene::Pen>& pen,
                           std::optional<tk::Colour> fill)
{
    setOutlineAndFill(pen, fill);
    m_painter.drawEllipse(toQt(box));
}

void QtCanvas::drawRectangle(const tk::PixelRectF& box, const std::optional<scene::Pen>& pen,
                             std::optional<tk::Colour> fill)
{
    setOutlineAndFill(pen, fill);
    m_painter.drawRect(toQt(box));
}

void QtCanvas::drawText(const tk::PixelRectF& box, const std::string& text, const tk::Font& font,
                        tk::Colour colour, int flags)
{
    if (!m_cache)
        return;
    const QRectF rect = toQt(box);
    m_painter.save();
    m_painter.setClipRect(rect, Qt::IntersectClip);
    m_painter.setFont(m_cache->font(font));
    m_painter.setPen(qtColour(colour));
    if (LaidOutText::canLayOut(text)) {
        m_cache->laidOut(text, font, m_painter.font(), m_painter.device()->logicalDpiY())
            .draw(m_painter, rect, qtAlignment(flags));
    } else {
        m_painter.drawText(rect, qtAlignment(flags) | Qt::TextSingleLine, toQt(text));
    }
    m_painter.restore();
}

tk::PixelSize QtCanvas::pictureSize(const tk::Picture& picture) const
{
    const QtPicture* qtPicture = qtPictureOf(picture);
    return qtPicture ? QtSceneGeometry::toScene(qtPicture->shownSize()) : tk::PixelSize{};
}

void QtCanvas::drawPicture(const tk::Picture& picture, const tk::PixelRect& target,
                           const tk::PixelRect& part)
{
    const QtPicture* qtPicture = qtPictureOf(picture);
    if (!qtPicture)
        return;
    const QImage& image = qtPicture->image();
    const double ratio = image.devicePixelRatio();
    const QRectF source(QPointF(part.left, part.top) * ratio,
                        QSizeF(part.width, part.height) * ratio);
    m_painter.drawImage(QRectF(toQt(target)), image, source);
}

void QtCanvas::drawPictureFitted(const tk::Picture& picture, const tk::PixelRect& box)
{
    const QtPicture* qtPicture = qtPictureOf(picture);
    if (!qtPicture)
        return;
    const QRect rect = toQt(box);
    const QImage& shown = qtPicture->fittedInto(rect.size(), devicePixelRatio());
    m_painter.drawImage(QtPicture::centredIn(rect, shown.deviceIndependentSize().toSize()), shown);
}

// On a screen of more dots per inch the sprite holds its device pixels, so that the circles
// stay as sharp as if they were drawn there.
void QtCanvas::makeSprite(scene::SpriteId id, const scene::ShapeLook& look)
{
    if (!m_cache)
        return;
    const QSize size = toQt(scene::ShapeSprite::spriteSize(look));
    QImage& image = m_cache->sprite(id);
    image = QImage((QSizeF(size) * look.devicePixelRatio).toSize(),
                   QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(look.devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QtCanvas canvas(painter);
    scene::ShapeSprite::draw(canvas, look);
}

// Qt hands a copy of many spans under a complex clip to a pool of threads, which would wake
// them every second; a few rows at a time it copies on this thread.
void QtCanvas::drawSprite(scene::SpriteId id, tk::PixelPoint at)
{
    if (!m_cache)
        return;
    const QImage& image = m_cache->sprite(id);
    const QPoint origin(at.x, at.y);
    const double ratio = image.devicePixelRatio();
    for (int top = 0; top < image.height(); top += kSpriteSliceRows) {
        const QRect slice(0, top, image.width(), std::min(kSpriteSliceRows, image.height() - top));
        const QRectF target(origin + QPointF(0, top / ratio), QSizeF(slice.size()) / ratio);
        m_painter.drawImage(target, image, slice);
    }
}
