#pragma once

#include "Control.h"

#include <functional>
#include <string>
#include <vector>

namespace tk {

class Platform;

// A list of the folders of a current folder: ".." first where there is a folder above, then
// the subfolders. Setting the folder lists them again; a change of the folder runs its handler.
class DirListBox : public Control {
public:
    static constexpr std::string_view kUp = "..";

    DirListBox(Window& owner, Platform& platform, std::string name, int index = -1,
               Control* container = nullptr)
        : Control(owner, ControlKind::DirListBox, std::move(name), index, container)
        , m_platform(platform)
    {
    }

    const std::string& path() const { return m_path; }
    // A path given with a trailing separator is kept without it, as the list shows folders.
    void setPath(const std::string& path);
    const std::vector<std::string>& entries() const { return m_entries; }
    // Goes into the folder of an entry, or up for "..".
    void open(std::size_t entry);

    std::function<void()> onChange;

private:
    Platform& m_platform;
    std::string m_path;
    std::vector<std::string> m_entries;
};

} // namespace tk
