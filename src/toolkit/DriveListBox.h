#pragma once

#include "Control.h"

#include <functional>

namespace tk {

// A list of the machine's drives (on Linux, its mounted volumes) with the current one.
class DriveListBox : public Control {
public:
    DriveListBox(Window& owner, std::string name, int index = -1, Control* container = nullptr)
        : Control(owner, ControlKind::DriveListBox, std::move(name), index, container)
    {
    }

    const std::string& drive() const { return m_drive; }
    void setDrive(const std::string& drive)
    {
        if (drive == m_drive)
            return;
        m_drive = drive;
        changed();
        if (onChange)
            onChange();
    }

    std::function<void()> onChange;

private:
    std::string m_drive;
};

} // namespace tk
