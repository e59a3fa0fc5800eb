#include "FileListBox.h"

#include "NameOrder.h"
#include "PathText.h"
#include "Platform.h"

#include <algorithm>

namespace tk {

void FileListBox::setPath(const std::string& path)
{
    if (path == m_path)
        return;
    m_path = path;
    m_fileName.clear();
    list();
}

void FileListBox::setPattern(const std::string& pattern)
{
    m_pattern = pattern;
    list();
}

void FileListBox::setFileName(const std::string& name)
{
    m_fileName = name;
    changed();
}

void FileListBox::select(const std::string& name)
{
    setFileName(name);
    if (onClick)
        onClick();
}

void FileListBox::doubleClick()
{
    if (onDblClick)
        onDblClick();
}

// Each wildcard of the pattern is listed on its own; a file that two of them match is shown
// once.
void FileListBox::list()
{
    m_entries.clear();
    if (!m_path.empty()) {
        std::size_t start = 0;
        while (start <= m_pattern.size()) {
            const std::size_t end = std::min(m_pattern.find(';', start), m_pattern.size());
            const std::string wildcard = m_pattern.substr(start, end - start);
            if (!wildcard.empty()) {
                for (std::string& name : m_platform.listDirectory(path::join(m_path, wildcard)))
                    m_entries.push_back(std::move(name));
            }
            start = end + 1;
        }
    }
    names::sort(m_entries);
    m_entries.erase(std::unique(m_entries.begin(), m_entries.end()), m_entries.end());
    changed();
}

} // namespace tk
