#pragma once

#include <string>
#include <vector>

namespace os {

// A volume a user picks folders from: its root and, where the system gives one, its label.
struct Drive {
    std::string root;
    std::string label;
};

// The machine's volumes. On Linux their mount points, "/" and the home folder first, then
// the others in the names' order, pseudo file systems and the system's own places left out;
// the mounts are read from the kernel's table alone, since a mount whose server has gone
// away blocks whoever asks it anything. On Windows the drives' roots ("C:\"), with the
// volume's label of each drive that answers at once.
std::vector<Drive> drives();

} // namespace os
