#include "Drives.h"

#include "MountTable.h"
#include "UserFolders.h"

#include <fstream>
#include <iterator>

namespace os {

std::vector<Drive> drives()
{
    std::ifstream file("/proc/self/mountinfo", std::ios::binary);
    const std::string table{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    std::vector<Drive> list;
    for (std::string& root : mountTable::userVolumes(table, userFolders::home()))
        list.push_back({std::move(root), {}});
    return list;
}

} // namespace os
