#include "SlowMirror.h"

#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

// Runs a program in a mount namespace of its own where MOUNTPOINT shows the folder SOURCE
// read-only through a FUSE server that answers late or never, as a file server far away does:
// a path with a part whose name starts with "slow" is answered after MS milliseconds, one with
// a part whose name starts with "never" is read and never answered, so that whatever asks it
// waits uninterruptibly. Usage:
//     tikora_slow_mount MS SOURCE MOUNTPOINT PROGRAM [ARGUMENTS...]
// The program keeps this process's id. Status 77 says that no FUSE mount could be made here.

namespace {

constexpr int kUsage = 2;
constexpr int kNoMount = 77;

struct Request {
    std::chrono::milliseconds delay;
    const char* source;
    const char* mountPoint;
    char** program;
};

// Waits until one of two processes has ended: a process that has ended but has a thread left
// waiting on the mount has not ended yet.
void waitForEither(pid_t first, pid_t second)
{
    pollfd ends[2] = {{static_cast<int>(::syscall(SYS_pidfd_open, first, 0)), POLLIN, 0},
                      {static_cast<int>(::syscall(SYS_pidfd_open, second, 0)), POLLIN, 0}};
    if (ends[0].fd < 0)
        return;
    while (::poll(ends, 2, -1) < 0 && errno == EINTR) {
    }
}

// Mounts the file system, tells the program through `ready`, and serves until the program or
// the one that started it has ended. Not the death of the program's first thread but the end
// of the whole program ends the server, so that a thread of it left waiting on the mount keeps
// the program from ending, as with a real server far away; and should the test that started
// it go, the program is let go too.
[[noreturn]] void serve(const Request& request, pid_t program, pid_t starter, int ready)
{
    SlowMirror mirror(request.source, request.delay);
    char name[] = "tikora_slow_mount";
    char option[] = "-o";
    char options[] = "ro,fsname=slowmount,subtype=slow";
    char* arguments[] = {name, option, options};
    fuse_args fuseArguments = FUSE_ARGS_INIT(3, arguments);
    fuse_session* session = fuse_session_new(&fuseArguments, &SlowMirror::operations(),
                                             sizeof(fuse_lowlevel_ops), &mirror);
    const bool mounted = session && fuse_session_mount(session, request.mountPoint) == 0;
    if (!mounted)
        std::perror("tikora_slow_mount: the FUSE mount");
    const char answer = mounted ? 'y' : 'n';
    (void)!::write(ready, &answer, 1);
    if (!mounted)
        ::_exit(kNoMount);
    std::thread([session] { fuse_session_loop(session); }).detach();
    waitForEither(program, starter);
    // Closing the device ends every request still waiting, answered or not.
    ::_exit(0);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::fputs("usage: tikora_slow_mount MS SOURCE MOUNTPOINT PROGRAM [ARGS...]\n", stderr);
        return kUsage;
    }
    const Request request{std::chrono::milliseconds(std::atol(argv[1])), argv[2], argv[3],
                          argv + 4};
    if (::unshare(CLONE_NEWNS) != 0 ||
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        std::perror("tikora_slow_mount: a mount namespace");
        return kNoMount;
    }
    int ready[2];
    if (::pipe2(ready, O_CLOEXEC) != 0)
        return kNoMount;
    const pid_t program = ::getpid();
    const pid_t starter = ::getppid();
    if (::fork() == 0)
        serve(request, program, starter, ready[1]);
    char answer = 'n';
    if (::read(ready[0], &answer, 1) != 1 || answer != 'y')
        return kNoMount;
    ::execv(request.program[0], request.program);
    std::perror("tikora_slow_mount: the program");
    return kUsage;
}
