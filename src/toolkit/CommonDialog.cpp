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
    if (const auto chosen = m_platform.pickFont({fontName, fontSize, color})) {
        fontName = chosen->name;
        fontSize = chosen->size;
        color = chosen->colour;
    }
}

} // namespace tk
