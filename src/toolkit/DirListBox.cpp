#include "DirListBox.h"

#include "PathText.h"
#include "Platform.h"

namespace tk {

void DirListBox::setPath(const std::string& path)
{
    const bool moved = replace(m_path, path::normalised(path));
    std::vector<std::string> entries;
    if (!path::isRoot(m_path))
        entries.emplace_back(kUp);
    for (std::string& name : m_platform.listFolders(m_path))
        entries.push_back(std::move(name));
    // Even the same folder is a fresh list, with no row picked, so it is always reported: a
    // presenter then drops the row its user had highlighted.
    m_entries = std::move(entries);
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
