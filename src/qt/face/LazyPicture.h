#pragma once

#include "QtPicture.h"

#include <QSize>

#include <functional>

// A picture whose size is known at once and whose pixels are made on first use, so that a
// picture the run may never show costs nothing.
class LazyPicture : public QtPicture {
public:
    using Maker = std::function<QImage()>;

    LazyPicture(QSize size, Maker maker)
        : m_size(size)
        , m_maker(std::move(maker))
    {
    }

    QSize shownSize() const override { return m_size; }
    const QImage& image() const override
    {
        if (m_maker) {
            m_image = m_maker();
            m_maker = nullptr;
        }
        return m_image;
    }

private:
    QSize m_size;
    mutable Maker m_maker;
    mutable QImage m_image;
};
