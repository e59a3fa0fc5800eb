#pragma once

#include <QImage>
#include <QRectF>
#include <QRgb>

class QPainter;

namespace tk {
class Shape;
}

// A shape of the face drawn once into an image and copied from there wherever the shape
// stands. Antialiased circles cost far more to draw than to copy, and the clock's circles
// change their place every second but their look seldom; so the image is made again only
// when the look changes. The shape is placed on whole pixels so that one image serves every
// place.
class ShapeSprite {
public:
    // Paints the shape whose bounds stand at `bounds` (pixels).
    void paint(QPainter& painter, const tk::Shape& shape, const QRectF& bounds);

    // The box (pixels) that a shape is drawn in: its bounds, made square around their centre
    // for a circle or a square.
    static QRectF shapeBox(const tk::Shape& shape, QRectF bounds);

private:
    struct Look {
        int kind = -1;
        QSizeF size;
        int borderWidth = 0;
        QRgb borderColour = 0;
        QRgb backColour = 0;
        bool outlined = false;
        bool opaque = false;
        double devicePixelRatio = 1.0;
        bool operator==(const Look&) const = default;
    };

    static Look lookOf(const tk::Shape& shape, const QRectF& box, double devicePixelRatio);
    void render(const tk::Shape& shape);

    Look m_look;
    QImage m_image;
};
