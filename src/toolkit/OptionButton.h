#pragma once

#include "Control.h"

#include <functional>

namespace tk {

// One of the exclusive options of a container. Selecting it, by a click or from code,
// unselects the others of its container and runs its click handler; unselecting it from code
// runs nothing.
class OptionButton : public Control {
public:
    OptionButton(Window& owner, std::string name, int index = -1, Control* container = nullptr)
        : Control(owner, ControlKind::OptionButton, std::move(name), index, container)
    {
    }

    bool value() const { return m_value; }
    void setValue(bool value);
    void click() { setValue(true); }

    std::function<void()> onClick;

private:
    bool m_value = false;
};

} // namespace tk
