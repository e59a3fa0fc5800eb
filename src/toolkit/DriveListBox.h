#pragma once

#include "Control.h"

#include <functional>
#include <string>
#include <vector>

namespace tk {

class Platform;

// A list of the machine's drives (on Linux, its mounted volumes) with the current one. The
// drives are listed when they are first asked for, and again on refresh().
class DriveListBox : public Control {
public:
    DriveListBox(Window& owner, Platform& platform, std::string name, int index = -1,
                 Control* container = nullptr)
        : Control(owner, ControlKind::DriveListBox, std::move(name), index, container)
        , m_platform(platform)
    {
    }

    const std::vector<std::string>& drives() const;
    // The text of a drive's row.
    std::string caption(const std::string& drive) const;
    // The current drive; at first the one that holds the program's folder.
    const std::string& drive() const;
    // A change of the current drive runs the change handler.
    void setDrive(const std::string& drive);
    // Shows the drive that holds `path` as the current one, without running the change
    // handler, so that the list keeps up with a folder list that moved to another drive.
    void follow(const std::string& path);
    void refresh();

    // The drive of `drives` that holds `path`: the longest that begins it.
    static std::string driveOf(const std::vector<std::string>& drives, const std::string& path);

    std::function<void()> onChange;

private:
    void listOnce() const;

    Platform& m_platform;
    mutable std::vector<std::string> m_drives;
    mutable std::string m_drive;
    mutable bool m_listed = false;
};

} // namespace tk
