#pragma once

#include <chrono>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace os {

// A copy of this program, started to answer questions over its standard input and output.
// Whatever it asks the file system it asks in its own process: when a file server reads a
// question and never answers, only the helper waits for ever, and the program can leave it
// behind and still end at once. The helper inherits no window, connection, lock or other
// descriptor of the program.
class HelperProcess {
public:
    using Deadline = std::optional<std::chrono::steady_clock::time_point>;

    // Starts `program` with `arguments`; null when no process can be made now (a process limit,
    // no memory) or the program cannot be run.
    static std::unique_ptr<HelperProcess> start(const std::string& program,
                                                const std::vector<std::string>& arguments);
    // Abandons the helper (see abandon()).
    ~HelperProcess();
    HelperProcess(const HelperProcess&) = delete;
    HelperProcess& operator=(const HelperProcess&) = delete;

    // Writes the whole of `bytes` to the helper; false when it has gone.
    bool send(std::string_view bytes);
    // Reads exactly `size` bytes from the helper into `into`, waiting until `deadline` at
    // most, or as long as it takes without one; false when they have not all come in time or
    // the helper has gone.
    bool receive(char* into, std::size_t size, Deadline deadline);
    // Kills the helper and closes the way to it, without waiting: a helper held in the kernel by
    // a file server that never answers may never end.
    void abandon();
    // Whether an abandoned helper has ended, and the system has forgotten it.
    bool hasEnded();

    struct Handles;

private:
    explicit HelperProcess(std::unique_ptr<Handles> handles);
    std::unique_ptr<Handles> m_handles;
};

// The path of this program's own executable, to start a copy of it.
std::string ownExecutable();

// The helper's own side: its standard input and output, which its parent writes and reads.
namespace helperChannel {

// Reads exactly `size` bytes into `into`; false at the end of the input.
bool receive(char* into, std::size_t size);
// Writes the whole of `bytes`; false when the parent has gone.
bool send(std::string_view bytes);
// Whether the standard input and output are the way to a parent, as start() makes them, and not
// a terminal or a file.
bool isOpen();

} // namespace helperChannel

} // namespace os
