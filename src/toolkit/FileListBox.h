#pragma once

#include "Control.h"

#include <functional>

namespace tk {

// A list of the files of a folder that match a pattern of wildcards separated by ";".
class FileListBox : public Control {
public:
    FileListBox(Window& owner, std::string name, int index = -1, Control* container = nullptr)
        : Control(owner, ControlKind::FileListBox, std::move(name), index, container)
    {
    }

    const std::string& path() const { return m_path; }
    void setPath(const std::string& path)
    {
        if (path == m_path)
            return;
        m_path = path;
        m_fileName.clear();
        changed();
    }
    const std::string& pattern() const { return m_pattern; }
    void setPattern(const std::string& pattern)
    {
        m_pattern = pattern;
        changed();
    }
    // The selected file's name, empty when none is selected.
    const std::string& fileName() const { return m_fileName; }
    void setFileName(const std::string& name)
    {
        m_fileName = name;
        changed();
    }

    std::function<void()> onClick;
    std::function<void()> onDblClick;

private:
    std::string m_path;
    std::string m_pattern = "*.*";
    std::string m_fileName;
};

} // namespace tk
