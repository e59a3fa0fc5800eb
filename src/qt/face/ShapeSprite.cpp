#include "ShapeSprite.h"
#include "QtColour.h"

#include "Shape.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Room around the shape's box for antialiasing; the border is drawn inside the box.
constexpr int kSpriteMargin = 2;
// Rows copied at a time.
constexpr int kSliceRows = 16;

bool isRound(tk::ShapeKind kind)
{
    return kind == tk::ShapeKind::Circle || kind == tk::ShapeKind::Oval;
}

} // namespace

QRectF ShapeSprite::shapeBox(const tk::Shape& shape, QRectF box)
{
    if (shape.shape() == tk::ShapeKind::Circle || shape.shape() == tk::ShapeKind::Square) {
        const double side = std::min(box.width(), box.height());
        box = QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    }
    return box;
}

ShapeSprite::Look ShapeSprite::lookOf(const tk::Shape& shape, const QRectF& box,
                                      double devicePixelRatio)
{
    Look look;
    look.devicePixelRatio = devicePixelRatio;
    look.kind = static_cast<int>(shape.shape());
    look.size = box.size();
    look.outlined = shape.borderStyle() == tk::BorderStyle::Solid && shape.borderWidth() > 0;
    look.borderWidth = look.outlined ? shape.borderWidth() : 0;
    look.borderColour = look.outlined ? qtColour(shape.borderColor()).rgb() : 0;
    look.opaque = shape.backStyle() == tk::BackStyle::Opaque;
    look.backColour = look.opaque ? qtColour(shape.backColor()).rgb() : 0;
    return look;
}

void ShapeSprite::paint(QPainter& painter, const tk::Shape& shape, const QRectF& bounds)
{
    const QRectF box = shapeBox(shape, bounds);
    // On a screen of more dots per inch the image holds its device pixels, so that the
    // circles stay as sharp as if they were drawn there.
    const Look look = lookOf(shape, box, painter.device()->devicePixelRatioF());
    if (look.size.isEmpty())
        return;
    if (!(look == m_look) || m_image.isNull()) {
        m_look = look;
        render(shape);
    }
    const QPoint origin(static_cast<int>(std::lround(box.x())) - kSpriteMargin,
                        static_cast<int>(std::lround(box.y())) - kSpriteMargin);
    // Qt hands a copy of many spans under a complex clip to a pool of threads, which would
    // wake them every second; a few rows at a time it copies on this thread.
    const double ratio = m_look.devicePixelRatio;
    for (int top = 0; top < m_image.height(); top += kSliceRows) {
        const QRect slice(0, top, m_image.width(), std::min(kSliceRows, m_image.height() - top));
        const QRectF target(origin + QPointF(0, top / ratio), QSizeF(slice.size()) / ratio);
        painter.drawImage(target, m_image, slice);
    }
}

// The border is drawn inside the shape's box, so a circle never grows past its bounds.
void ShapeSprite::render(const tk::Shape& shape)
{
    const QSize size(static_cast<int>(std::ceil(m_look.size.width())) + 2 * kSpriteMargin,
                     static_cast<int>(std::ceil(m_look.size.height())) + 2 * kSpriteMargin);
    m_image = QImage((QSizeF(size) * m_look.devicePixelRatio).toSize(),
                     QImage::Format_ARGB32_Premultiplied);
    m_image.setDevicePixelRatio(m_look.devicePixelRatio);
    m_image.fill(Qt::transparent);
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    QRectF box(QPointF(kSpriteMargin, kSpriteMargin), m_look.size);
    if (m_look.outlined) {
        const double inset = m_look.borderWidth / 2.0;
        box.adjust(inset, inset, -inset, -inset);
        painter.setPen(QPen(QColor::fromRgb(m_look.borderColour), m_look.borderWidth));
    } else {
        painter.setPen(Qt::NoPen);
    }
    if (m_look.opaque)
        painter.setBrush(QColor::fromRgb(m_look.backColour));
    else
        painter.setBrush(Qt::NoBrush);
    if (isRound(shape.shape()))
        painter.drawEllipse(box);
    else
        painter.drawRect(box);
}
