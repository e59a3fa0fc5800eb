#pragma once

#include <string>
#include <string_view>
#include <vector>

// The kernel's table of mounts, in the format of /proc/self/mountinfo.
namespace os::mountTable {

// The mount points a user picks folders from: "/" and `home` first, then the other mounts
// of the table in the names' order, each once, pseudo file systems and the system's own
// places (/proc, /usr, /run but /run/media, ...) left out.
std::vector<std::string> userVolumes(std::string_view table, const std::string& home);

} // namespace os::mountTable
