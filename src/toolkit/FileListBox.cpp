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
    if (!list())
        changed();
}

// A pattern, even the same one, reads the folder again.
void FileListBox::setPattern(const std::string& pattern)
{
    const bool patternChanged = replace(m_pattern, pattern);
    if (!list() && patternChanged)
        changed();
}

void FileListBox::setFileName(const std::string& name)
{
    set(m_fileName, name);
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
bool FileListBox::list()
{
    std::vector<std::string> entries;
    if (!m_path.empty()) {
        std::size_t start = 0;
        while (start <= m_pattern.size()) {
            const std::size_t end = std::min(m_pattern.find(';', start), m_pattern.size());
            const std::string wildcard = m_pattern.substr(start, end - start);
            if (!wildcard.empty()) {
                for (std::string& name : m_platform.listDirectory(path::join(m_path, wildcard)))
                    entries.push_back(std::move(name));
            }
            start = end + 1;
        }
    }
    names::sort(entries);
    entries.erase(std::unique(entries.begin(), entries.end()), entries.end());
    if (!replace(m_entries, std::move(entries)))
        return false;
    changed();
    return true;
}

} // namespace tk
