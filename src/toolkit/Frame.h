#pragma once

#include "Control.h"

namespace tk {

// A captioned frame; the controls inside it are placed relative to it.
class Frame : public Control {
public:
    Frame(Window& owner, std::string name, int index = -1, Control* container = nullptr)
        : Control(owner, ControlKind::Frame, std::move(name), index, container)
    {
    }
};

} // namespace tk
