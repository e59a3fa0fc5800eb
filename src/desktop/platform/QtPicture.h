#pragma once

#include "Picture.h"

#include <QImage>
#include <QPoint>
#include <QRect>

// A picture held as a QImage. Subclasses may make their image on first use.
class QtPicture : public tk::Picture {
public:
    QtPicture() = default;
    explicit QtPicture(QImage image)
        : m_image(std::move(image))
    {
    }

    int widthPixels() const override { return image().width(); }
    int heightPixels() const override { return image().height(); }
    virtual const QImage& image() const { return m_image; }

    // The picture as a box of `box` pixels shows it: scaled down to fit, keeping its
    // proportions, when it is larger than the box, and as it is otherwise. The scaled image is
    // kept for the next paint.
    const QImage& fittedInto(QSize box) const
    {
        const QImage& whole = image();
        if (box.isEmpty() || (whole.width() <= box.width() && whole.height() <= box.height()))
            return whole;
        if (m_fittedBox != box || m_fitted.isNull()) {
            m_fittedBox = box;
            m_fitted = whole.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        }
        return m_fitted;
    }

    // Where a picture shown at `shown` size stands in a box: in its middle.
    static QPoint centredIn(const QRect& box, QSize shown)
    {
        return box.topLeft() +
               QPoint((box.width() - shown.width()) / 2, (box.height() - shown.height()) / 2);
    }

private:
    QImage m_image;
    mutable QSize m_fittedBox;
    mutable QImage m_fitted;
};
