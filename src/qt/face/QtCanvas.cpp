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
#include <cmath>

using QtSceneGeometry::toQt;

namespace {

// Rows of device pixels that an image is copied onto at a time, at most.
constexpr int kSliceRows = 16;
// The same where only the columns near a line are copied, which leave Qt fewer spans a row;
// twice as many rows kept Qt on this thread for the default face but not over a background.
constexpr int kNarrowSliceRows = 32;
// Pixels around a line's ends that its antialiased edge may reach, beyond half its pen.
constexpr double kLineEdge = 2.0;

QPen qtPen(const scene::Pen& pen)
{
    return QPen(qtColour(pen.colour), pen.width, Qt::SolidLine,
                pen.cap == scene::PenCap::Round ? Qt::RoundCap : Qt::SquareCap);
}

// The columns of `slice` within `margin` of `line`, on the same rows.
QRect columnsNear(const QLineF& line, double margin, const QRect& slice)
{
    double from = line.x1();
    double to = line.x2();
    if (line.dy() != 0) {
        const auto xAt = [&line](double y) {
            return line.x1() + std::clamp((y - line.y1()) / line.dy(), 0.0, 1.0) * line.dx();
        };
        from = xAt(slice.top() - margin);
        to = xAt(slice.bottom() + 1 + margin);
    }
    const int left = static_cast<int>(std::floor(std::min(from, to) - margin));
    const int right = static_cast<int>(std::ceil(std::max(from, to) + margin));
    return QRect(left, slice.top(), right - left, slice.height());
}

// Qt hands a copy of many spans under a complex clip to a pool of threads, which would wake
// them every second; a few rows at a time it copies on this thread. At a ratio of device pixels
// that is no whole number a slice would start between pixels of the face, so an image is
// copied whole there.
int sliceRows(double ratio, int height, bool narrow)
{
    const int most = narrow ? kNarrowSliceRows : kSliceRows;
    const int whole = static_cast<int>(ratio);
    return ratio == whole ? std::max(whole, most / whole * whole) : std::max(1, height);
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

// Qt strokes an antialiased line a pixel or two at a time, and under a clip of many rectangles,
// as a tick's repaint region is, it cuts each of those small batches against the clip on its
// own: that was most of a tick's cost. So the line is stroked on a scratch image of its own box,
// where nothing is clipped, and the box is laid over the face in one copy, row by row. The
// pixels are the same: the pen blended over a transparent pixel, and that over the face, gives
// what the pen blended over the face gives. Wider pens, which Qt fills as shapes, and a face
// drawn scaled are stroked on the face itself.
void QtCanvas::drawLine(const tk::PixelLineF& line, const scene::Pen& pen)
{
    const QLineF qtLine = toQt(line);
    if (!m_cache || pen.width > 1 || !m_painter.worldTransform().isIdentity()) {
        m_painter.setPen(qtPen(pen));
        m_painter.drawLine(qtLine);
        return;
    }
    // The box is on whole device pixels, so that the line lies on the image's pixels as it
    // would on the face's.
    const double ratio = devicePixelRatio();
    const double margin = (pen.width / 2 + kLineEdge) * ratio;
    const QRect box = QRectF(qtLine.p1() * ratio, qtLine.p2() * ratio)
                          .normalized()
                          .adjusted(-margin, -margin, margin, margin)
                          .toAlignedRect();
    const QPointF origin = QPointF(box.topLeft()) / ratio;
    const QRect part(QPoint(), box.size());
    QImage& layer = m_cache->lineLayer(part.size(), ratio);
    // Only the columns near the line are cleared and copied: a tick then touches few of the
    // image's pixels, and memory a second asleep has let go of costs more than the work.
    const QLineF onLayer(qtLine.p1() * ratio - box.topLeft(), qtLine.p2() * ratio - box.topLeft());
    const auto near = [&](const QRect& slice) { return columnsNear(onLayer, margin, slice); };
    clearInSlices(layer, part, near);
    {
        // Under a rectangle clip of its own, Qt writes the line's pixels straight to the image.
        QPainter painter(&layer);
        painter.setClipRect(QRectF(QPointF(), QSizeF(part.size()) / ratio));
        painter.setRenderHints(m_painter.renderHints());
        painter.translate(-origin);
        painter.setPen(qtPen(pen));
        painter.drawLine(qtLine);
    }
    drawInSlices(origin, layer, part, near);
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
    m_painter.drawText(rect, qtAlignment(flags) | Qt::TextSingleLine, toQt(text));
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

void QtCanvas::drawSprite(scene::SpriteId id, tk::PixelPoint at)
{
    if (!m_cache)
        return;
    const QImage& image = m_cache->sprite(id);
    drawInSlices(QPointF(at.x, at.y), image, image.rect());
}

// Where only some columns of a slice hold anything, `narrow` says which, and only those are
// copied.
void QtCanvas::drawInSlices(QPointF origin, const QImage& image, const QRect& part,
                            const std::function<QRect(const QRect&)>& narrow)
{
    const double ratio = image.devicePixelRatio();
    const int rows = sliceRows(ratio, part.height(), static_cast<bool>(narrow));
    for (int top = part.top(); top <= part.bottom(); top += rows) {
        QRect slice(part.left(), top, part.width(), std::min(rows, part.bottom() + 1 - top));
        if (narrow && rows < part.height())
            slice &= narrow(slice);
        if (slice.isEmpty())
            continue;
        const QRectF target(origin + QPointF(slice.topLeft() - part.topLeft()) / ratio,
                            QSizeF(slice.size()) / ratio);
        m_painter.drawImage(target, image, slice);
    }
}

// Makes transparent the pixels of `part` that drawInSlices copies with the same `narrow`.
void QtCanvas::clearInSlices(QImage& image, const QRect& part,
                             const std::function<QRect(const QRect&)>& narrow)
{
    const int rows = sliceRows(image.devicePixelRatio(), part.height(), true);
    for (int top = part.top(); top <= part.bottom(); top += rows) {
        QRect slice(part.left(), top, part.width(), std::min(rows, part.bottom() + 1 - top));
        if (rows < part.height())
            slice &= narrow(slice);
        for (int y = slice.top(); y <= slice.bottom(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            std::fill(row + slice.left(), row + slice.left() + slice.width(), 0);
        }
    }
}
