#include "HelperProcess.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace os {

namespace {

constexpr const char* kOwnExecutable = "/proc/self/exe";

using Clock = std::chrono::steady_clock;

// Milliseconds left until the deadline for poll(), -1 for none.
int millisecondsLeft(const HelperProcess::Deadline& deadline)
{
    if (!deadline)
        return -1;
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(*deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(std::min<long long>(left, 1'000'000)) : 0;
}

// Writes all of `bytes` to a socket; a peer that has gone gives an error, never SIGPIPE.
bool sendAll(int socket, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t sent = ::send(socket, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR)
            continue;
        if (sent <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
}

bool receiveAll(int socket, char* into, std::size_t size, const HelperProcess::Deadline& deadline)
{
    while (size > 0) {
        pollfd ready{socket, POLLIN, 0};
        const int polled = ::poll(&ready, 1, millisecondsLeft(deadline));
        if (polled < 0 && errno == EINTR)
            continue;
        if (polled <= 0)
            return false;
        const ssize_t count = ::read(socket, into, size);
        if (count < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (count <= 0)
            return false;
        into += count;
        size -= static_cast<std::size_t>(count);
    }
    return true;
}

std::string ownName()
{
    std::string name(PATH_MAX, '\0');
    const ssize_t length = ::readlink(kOwnExecutable, name.data(), name.size());
    name.resize(length > 0 ? std::size_t(length) : 0);
    return name.empty() ? std::string(kOwnExecutable) : name;
}

// Starts the program with the helper's end of the socket as its standard input and output
// and every other descriptor closed; 0 when it cannot.
pid_t spawn(const std::string& program, const std::vector<std::string>& arguments, int helperEnd)
{
    posix_spawn_file_actions_t actions;
    if (::posix_spawn_file_actions_init(&actions) != 0)
        return 0;
    ::posix_spawn_file_actions_adddup2(&actions, helperEnd, STDIN_FILENO);
    ::posix_spawn_file_actions_adddup2(&actions, helperEnd, STDOUT_FILENO);
    ::posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
    // The helper runs under its own executable's name, as `ps` shows it, even when it is
    // started through the link to this program's own.
    std::vector<std::string> words{program == kOwnExecutable ? ownName() : program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0)
        pid = 0;
    ::posix_spawn_file_actions_destroy(&actions);
    return pid;
}

} // namespace

std::string ownExecutable()
{
    return kOwnExecutable;
}

struct HelperProcess::Handles {
    pid_t pid = 0;
    int socket = -1;
};

std::unique_ptr<HelperProcess> HelperProcess::start(const std::string& program,
                                                    const std::vector<std::string>& arguments)
{
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
        return nullptr;
    const pid_t pid = spawn(program, arguments, ends[1]);
    ::close(ends[1]);
    if (pid == 0) {
        ::close(ends[0]);
        return nullptr;
    }
    return std::unique_ptr<HelperProcess>(
        new HelperProcess(std::make_unique<Handles>(Handles{pid, ends[0]})));
}

HelperProcess::HelperProcess(std::unique_ptr<Handles> handles)
    : m_handles(std::move(handles))
{
}

// A helper still held in the kernel by a file server is reaped by the system once this
// program has ended.
HelperProcess::~HelperProcess()
{
    abandon();
    hasEnded();
}

void HelperProcess::abandon()
{
    if (m_handles->socket < 0)
        return;
    ::close(m_handles->socket);
    m_handles->socket = -1;
    if (m_handles->pid > 0)
        ::kill(m_handles->pid, SIGKILL);
}

bool HelperProcess::hasEnded()
{
    if (m_handles->pid <= 0)
        return true;
    const pid_t reaped = ::waitpid(m_handles->pid, nullptr, WNOHANG);
    if (reaped == m_handles->pid || (reaped < 0 && errno == ECHILD))
        m_handles->pid = 0;
    return m_handles->pid == 0;
}

bool HelperProcess::send(std::string_view bytes)
{
    return sendAll(m_handles->socket, bytes);
}

bool HelperProcess::receive(char* into, std::size_t size, Deadline deadline)
{
    return receiveAll(m_handles->socket, into, size, deadline);
}

namespace helperChannel {

bool receive(char* into, std::size_t size)
{
    return receiveAll(STDIN_FILENO, into, size, std::nullopt);
}

bool send(std::string_view bytes)
{
    return sendAll(STDOUT_FILENO, bytes);
}

bool isOpen()
{
    struct stat input {};
    return ::fstat(STDIN_FILENO, &input) == 0 && S_ISSOCK(input.st_mode);
}

} // namespace helperChannel

} // namespace os
