#pragma once

#include "Control.h"

#include <functional>
#include <string>
#include <vector>

namespace tk {

class Platform;

// A list of the files of a folder that match a pattern of wildcards separated by ";", sorted
// without regard to case. A new folder or pattern lists the files again.
class FileListBox : public Control {
public:
    FileListBox(Window& owner, Platform& platform, std::string name, int index = -1,
                Control* container = nullptr)
        : Control(owner, ControlKind::FileListBox, std::move(name), index, container)
        , m_platform(platform)
    {
    }

    const std::string& path() const { return m_path; }
    // A new folder leaves no file selected.
    void setPath(const std::string& path);
    const std::string& pattern() const { return m_pattern; }
    void setPattern(const std::string& pattern);
    const std::vector<std::string>& entries() const { return m_entries; }
    // The selected file's name, empty when none is selected.
    const std::string& fileName() const { return m_fileName; }
    void setFileName(const std::string& name);

    // The user selects a file (by mouse or keyboard), or double-clicks one.
    void select(const std::string& name);
    void doubleClick();

    std::function<void()> onClick;
    std::function<void()> onDblClick;

private:
    // Reads the folder again; true when that changed the entries, which it then reports.
    bool list();

    Platform& m_platform;
    std::string m_path;
    std::string m_pattern = "*.*";
    std::string m_fileName;
    std::vector<std::string> m_entries;
};

} // namespace tk
