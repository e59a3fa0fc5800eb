#pragma once

#include "Colour.h"

#include <QColor>

// Colours travel between the toolkit's packed form and Qt's.
inline QColor qtColour(tk::Colour colour)
{
    return QColor(tk::redOf(colour), tk::greenOf(colour), tk::blueOf(colour));
}

inline tk::Colour tkColour(const QColor& colour)
{
    return tk::rgb(colour.red(), colour.green(), colour.blue());
}
