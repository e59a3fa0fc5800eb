#pragma once

#include "Picture.h"

#include <QColor>
#include <QWidget>

// A picture box: its back colour, and over it the picture in its middle, scaled down to fit
// when it is larger than the box.
class PictureWidget : public QWidget {
public:
    explicit PictureWidget(QWidget* parent = nullptr);

    // Every picture of this program is a QtPicture.
    void setPicture(tk::PictureRef picture);
    void setBackColour(QColor colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    tk::PictureRef m_picture;
    QColor m_back = Qt::white;
};
