#include "CommonDialog.h"

#include "Platform.h"

namespace tk {

void CommonDialog::showColor()
{
    if (const auto chosen = m_platform.pickColour(color))
        color = *chosen;
}

void CommonDialog::showFont()
{
    const FontChoice preset{fontName,      fontSize,       fontBold, fontItalic,
                            fontUnderline, fontStrikethru, color};
    if (const auto chosen = m_platform.pickFont(preset, flags)) {
        fontName = chosen->name;
        fontSize = chosen->size;
        fontBold = chosen->bold;
        fontItalic = chosen->italic;
        fontUnderline = chosen->underline;
        fontStrikethru = chosen->strikethrough;
        color = chosen->colour;
    }
}

} // namespace tk
