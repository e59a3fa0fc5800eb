#pragma once

#include "Font.h"
#include "ScreenUnits.h"

#include <QFont>
#include <QString>

class QSize;

// Turns the fonts that the windows name (faces of the Windows world such as "MS Sans Serif")
// into fonts this machine has, at the pixel size of their points on this screen.
class ScreenFont {
public:
    static QFont fromFont(const tk::Font& font, const ScreenUnits& units);
    // The font made smaller, a pixel at a time, until the text fits the area when it is
    // wrapped at word boundaries (or, with `wrap` false, kept on one line). A caption that
    // does not fit even at the smallest size keeps that size.
    static QFont fitted(QFont font, const QString& text, const QSize& area, bool wrap);
};
