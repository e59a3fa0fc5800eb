#include "DirListBox.h"

#include "PathText.h"
#include "Platform.h"

namespace tk {

void DirListBox::setPath(const std::string& path)
{
    const std::string next = path::normalised(path);
    const bool moved = next != m_path;
    m_path = next;
    m_entries.clear();
    if (!path::isRoot(m_path))
        m_entries.emplace_back(kUp);
    for (std::string& name : m_platform.listFolders(m_path))
        m_entries.push_back(std::move(name));
    changed();
    if (moved && onChange)
        onChange();
}

void DirListBox::open(std::size_t entry)
{
    if (entry >= m_entries.size())
        return;
    const std::string& name = m_entries[entry];
    setPath(name == kUp ? path::parentOf(m_path) : path::join(m_path, name));
}

} // namespace tk
