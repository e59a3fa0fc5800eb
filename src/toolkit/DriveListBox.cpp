#include "DriveListBox.h"

#include "PathText.h"
#include "Platform.h"

namespace tk {

const std::vector<std::string>& DriveListBox::drives() const
{
    listOnce();
    return m_drives;
}

std::string DriveListBox::caption(const std::string& drive) const
{
    return m_platform.driveCaption(drive);
}

const std::string& DriveListBox::drive() const
{
    listOnce();
    return m_drive;
}

void DriveListBox::listOnce() const
{
    if (m_listed)
        return;
    m_listed = true;
    m_drives = m_platform.drives();
    if (m_drive.empty())
        m_drive = driveOf(m_drives, m_platform.programFolder());
}

void DriveListBox::setDrive(const std::string& drive)
{
    listOnce();
    if (drive == m_drive)
        return;
    m_drive = drive;
    changed();
    if (onChange)
        onChange();
}

void DriveListBox::follow(const std::string& path)
{
    listOnce();
    const std::string drive = driveOf(m_drives, path);
    if (drive.empty() || drive == m_drive)
        return;
    m_drive = drive;
    changed();
}

void DriveListBox::refresh()
{
    const std::vector<std::string> drives = m_drives;
    const std::string drive = m_drive;
    m_listed = false;
    listOnce();
    if (m_drives != drives || m_drive != drive)
        changed();
}

std::string DriveListBox::driveOf(const std::vector<std::string>& drives, const std::string& path)
{
    std::string best;
    for (const std::string& drive : drives) {
        if (drive.size() > best.size() && path::contains(drive, path))
            best = drive;
    }
    return best;
}

} // namespace tk
