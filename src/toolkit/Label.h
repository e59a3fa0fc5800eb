#pragma once

#include "Control.h"

#include <functional>

namespace tk {

enum class Alignment { Left = 0, Right = 1, Centre = 2 };

// A light-weight caption with a transparent back; a click runs its handler.
class Label : public Control {
public:
    Label(Window& owner, std::string name, int index = -1, Control* container = nullptr)
        : Control(owner, ControlKind::Label, std::move(name), index, container)
    {
    }

    Alignment alignment() const { return m_alignment; }
    void setAlignment(Alignment alignment) { set(m_alignment, alignment); }

    std::function<void()> onClick;
    void click()
    {
        if (onClick)
            onClick();
    }

private:
    Alignment m_alignment = Alignment::Left;
};

} // namespace tk
