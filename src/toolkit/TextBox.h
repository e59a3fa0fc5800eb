#pragma once

#include "Control.h"

namespace tk {

// A one-line text field; its caption is its Text.
class TextBox : public Control {
public:
    TextBox(Window& owner, std::string name, int index = -1, Control* container = nullptr)
        : Control(owner, ControlKind::TextBox, std::move(name), index, container)
    {
    }
};

} // namespace tk
