#include "FileDescriptors.h"

namespace os::fileDescriptors {

// Windows limits a process's handles only in the millions, far past anything the program
// opens, so there is nothing to ask for.
bool reserve(int)
{
    return true;
}

} // namespace os::fileDescriptors
