#pragma once

#include <stdexcept>

namespace fake {

// Thrown by the fake platform where the real program would end the process, so that the
// handler stops there and the test can look at what it left behind.
class ProcessEnded : public std::runtime_error {
public:
    ProcessEnded()
        : std::runtime_error("the process ended")
    {
    }
};

} // namespace fake
