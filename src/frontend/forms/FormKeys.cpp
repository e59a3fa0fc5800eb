#include "FormKeys.h"

#include "CommandButton.h"
#include "Window.h"

namespace FormKeys {

tk::CommandButton* buttonFor(const tk::Window& window, FormKey key)
{
    for (tk::Control* control : window.controls()) {
        if (control->kind() != tk::ControlKind::CommandButton)
            continue;
        auto* button = static_cast<tk::CommandButton*>(control);
        const bool role = key == FormKey::Enter ? button->isDefault() : button->isCancel();
        if (role && button->visible() && button->enabled())
            return button;
    }
    return nullptr;
}

} // namespace FormKeys
