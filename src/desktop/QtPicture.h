#pragma once

#include "Picture.h"

#include <QImage>

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

private:
    QImage m_image;
};
