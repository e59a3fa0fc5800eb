#pragma once

#include "Control.h"

#include <functional>

namespace tk {

// A list of the folders of a current folder; a change of the folder runs its handler.
class DirListBox : public Control {
public:
    DirListBox(Window& owner, std::string name, int index = -1, Control* container = nullptr)
        : Control(owner, ControlKind::DirListBox, std::move(name), index, container)
    {
    }

    const std::string& path() const { return m_path; }
    void setPath(const std::string& path)
    {
        if (path == m_path)
            return;
        m_path = path;
        changed();
        if (onChange)
            onChange();
    }

    std::function<void()> onChange;

private:
    std::string m_path;
};

} // namespace tk
