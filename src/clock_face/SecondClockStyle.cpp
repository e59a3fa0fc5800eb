#include "Form1.h"

#include "TikoraClock.h"

namespace {

constexpr float kDialFigureSize = 28;
constexpr float kDialCircleWidth = 980;

} // namespace

// Lays the circles over the built-in dial of the screen's size, without lines.
void Form1::DoClock2()
{
    switch (ScreenWidth) {
    case 12000:
        setPicture(Pict[2].picture(), tk::PicturePlace::Middle);
        break;
    case 15360:
        setPicture(Pict[1].picture(), tk::PicturePlace::Middle);
        break;
    case 19200:
        setPicture(Pict[3].picture(), tk::PicturePlace::Middle);
        break;
    default:
        break;
    }
    for (int g = 0; g < 3; ++g) {
        LineS[g].setVisible(false);
        lblS[g].setFontSize(kDialFigureSize);
        tk::Shape& circle = ShapeS[g + 2];
        circle.setWidth(kDialCircleWidth);
        circle.setHeight(circle.width());
    }
    ShapeS[1].setBorderStyle(tk::BorderStyle::None);
}
