#pragma once

#include "Control.h"

#include <functional>

namespace tk {

// A push button. The default button is pressed by Enter, the cancel button by Escape.
class CommandButton : public Control {
public:
    CommandButton(Window& owner, std::string name, int index = -1, Control* container = nullptr)
        : Control(owner, ControlKind::CommandButton, std::move(name), index, container)
    {
    }

    bool isDefault() const { return m_default; }
    void setDefault(bool isDefault) { set(m_default, isDefault); }
    bool isCancel() const { return m_cancel; }
    void setCancel(bool isCancel) { set(m_cancel, isCancel); }

    std::function<void()> onClick;
    void click()
    {
        if (onClick)
            onClick();
    }

private:
    bool m_default = false;
    bool m_cancel = false;
};

} // namespace tk
