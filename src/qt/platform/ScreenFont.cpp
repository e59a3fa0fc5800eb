#include "ScreenFont.h"

#include <QFontMetrics>
#include <QRect>
#include <QSize>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

// Below this the captions stop being readable; a caption that still does not fit is clipped.
constexpr int kSmallestPixelSize = 8;

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

bool fits(const QFont& font, const QString& text, const QSize& area, bool wrap)
{
    const QFontMetrics metrics(font);
    if (!wrap)
        return metrics.horizontalAdvance(text) <= area.width();
    const QRect needed =
        metrics.boundingRect(QRect(0, 0, area.width(), 1 << 20), Qt::TextWordWrap, text);
    return needed.width() <= area.width() && needed.height() <= area.height();
}

} // namespace

QFont ScreenFont::fromFont(const tk::Font& font, const ScreenUnits& units)
{
    QFont result;
    result.setFamilies(familiesFor(QString::fromStdString(font.name)));
    result.setStyleHint(QFont::SansSerif);
    result.setPixelSize(units.fontPixels(font.size));
    result.setBold(font.bold);
    return result;
}

QFont ScreenFont::fitted(QFont font, const QString& text, const QSize& area, bool wrap)
{
    while (font.pixelSize() > kSmallestPixelSize && !fits(font, text, area, wrap))
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}
