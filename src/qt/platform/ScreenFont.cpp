#include "ScreenFont.h"
#include "QtText.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

QStringList familiesFor(const QString& name)
{
    const QString key = name.toLower();
    // The condensed faces come first so that captions laid out for the narrow Windows system
    // font fit their widgets.
    if (key == "ms sans serif" || key == "microsoft sans serif")
        return {"Microsoft Sans Serif", "DejaVu Sans Condensed", "Liberation Sans", "Nimbus Sans",
                "DejaVu Sans"};
    // The clock's figures are laid out for Tahoma's narrow bold digits; a face of Arial's
    // widths keeps two digits inside their box where the wider default face would not.
    if (key == "tahoma")
        return {"Tahoma", "Liberation Sans", "Nimbus Sans", "DejaVu Sans"};
    if (key == "arial narrow")
        return {"Arial Narrow", "Nimbus Sans Narrow", "Liberation Sans Narrow",
                "DejaVu Sans Condensed"};
    if (key == "arial")
        return {"Arial", "Liberation Sans", "Nimbus Sans", "DejaVu Sans"};
    return {name};
}

} // namespace

QFont ScreenFont::fromFont(const tk::Font& font, const ScreenUnits& units)
{
    QFont result;
    result.setFamilies(familiesFor(toQt(font.name)));
    result.setStyleHint(QFont::SansSerif);
    result.setPixelSize(units.fontPixels(font.size));
    result.setBold(font.bold);
    return result;
}
