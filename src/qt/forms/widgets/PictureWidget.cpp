#include "PictureWidget.h"

#include "QtPicture.h"

#include <QPainter>

PictureWidget::PictureWidget(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureWidget::setPicture(tk::PictureRef picture)
{
    if (picture == m_picture)
        return;
    m_picture = std::move(picture);
    update();
}

void PictureWidget::setBackColour(QColor colour)
{
    if (colour == m_back)
        return;
    m_back = colour;
    update();
}

void PictureWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_back);
    if (!m_picture)
        return;
    const QImage& shown =
        static_cast<const QtPicture&>(*m_picture).fittedInto(size(), devicePixelRatioF());
    painter.drawImage(QtPicture::centredIn(rect(), shown.deviceIndependentSize().toSize()), shown);
}
