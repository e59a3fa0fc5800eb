#include "OptionButton.h"

#include "Window.h"

namespace tk {

void OptionButton::setValue(bool value)
{
    if (!value) {
        if (m_value) {
            m_value = false;
            changed();
        }
        return;
    }
    for (Control* other : owner().controls()) {
        if (other != this && other->kind() == ControlKind::OptionButton &&
            other->container() == container())
            static_cast<OptionButton*>(other)->setValue(false);
    }
    if (!m_value) {
        m_value = true;
        changed();
    }
    if (onClick)
        onClick();
}

} // namespace tk
