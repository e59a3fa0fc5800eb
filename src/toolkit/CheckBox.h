#pragma once

#include "Control.h"

#include <functional>

namespace tk {

// A check box holding 0 or 1. Any change of its value, by a click or from code, runs its
// click handler; setting the value it already has runs nothing.
class CheckBox : public Control {
public:
    CheckBox(Window& owner, std::string name, int index = -1, Control* container = nullptr)
        : Control(owner, ControlKind::CheckBox, std::move(name), index, container)
    {
    }

    int value() const { return m_value; }
    void setValue(int value)
    {
        if (value == m_value)
            return;
        m_value = value;
        changed();
        if (onClick)
            onClick();
    }
    void click() { setValue(m_value == 1 ? 0 : 1); }

    std::function<void()> onClick;

private:
    int m_value = 0;
};

} // namespace tk
