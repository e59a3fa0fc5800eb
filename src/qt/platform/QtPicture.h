#pragma once

#include "Picture.h"
#include "PictureFit.h"
#include "QtSceneGeometry.h"

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

    // In pixels of the screen's layout: an image drawn for a screen of more dots per inch
    // holds more of its own.
    virtual QSize shownSize() const { return image().deviceIndependentSize().toSize(); }
    virtual const QImage& image() const { return m_image; }

    // The picture as a box of `box` pixels shows it, by PictureFit's rule. On a screen of
    // `devicePixelRatio` device pixels to each pixel the scaled image keeps that many. It is
    // kept for the next paint.
    const QImage& fittedInto(QSize box, double devicePixelRatio = 1.0) const
    {
        const QImage& whole = image();
        if (scene::PictureFit::fitsWhole(QtSceneGeometry::toScene(shownSize()),
                                         QtSceneGeometry::toScene(box)))
            return whole;
        const QSize target = (QSizeF(box) * devicePixelRatio).toSize();
        if (m_fittedBox != target || m_fitted.isNull()) {
            m_fittedBox = target;
            const tk::PixelSize scaled = scene::PictureFit::scaledInto(
                QtSceneGeometry::toScene(whole.size()), QtSceneGeometry::toScene(target));
            m_fitted = whole.scaled(scaled.width, scaled.height, Qt::IgnoreAspectRatio,
                                    Qt::SmoothTransformation);
            m_fitted.setDevicePixelRatio(devicePixelRatio);
        }
        return m_fitted;
    }

    // Where a picture shown at `shown` size stands in a box, by PictureFit's rule.
    static QPoint centredIn(const QRect& box, QSize shown)
    {
        return QtSceneGeometry::toQt(scene::PictureFit::centredIn(QtSceneGeometry::toScene(box),
                                                                  QtSceneGeometry::toScene(shown)));
    }

private:
    QImage m_image;
    mutable QSize m_fittedBox;
    mutable QImage m_fitted;
};
