#include <fcntl.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <cstdio>
#include <string>

// Runs a program in a mount namespace of its own where MOUNTPOINT is a FUSE file system that
// never answers, as a sleeping file server would not: whatever asks it anything waits until it
// is killed. Usage: tikora_dead_mount MOUNTPOINT PROGRAM [ARGUMENTS...]. The program keeps this
// process's id; the file system goes with it.
int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    if (::unshare(CLONE_NEWNS) != 0 ||
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        std::perror("tikora_dead_mount: a mount namespace");
        return 2;
    }
    int ready[2];
    if (::pipe(ready) != 0)
        return 2;
    const pid_t parent = ::getpid();
    if (::fork() == 0) {
        // The server holds the device open and never reads a request; it ends with the program.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent)
            return 0;
        const int device = ::open("/dev/fuse", O_RDWR);
        const std::string options =
            "fd=" + std::to_string(device) + ",rootmode=40000,user_id=0,group_id=0";
        const bool mounted =
            device >= 0 && ::mount("dead", argv[1], "fuse.dead", 0, options.c_str()) == 0;
        if (!mounted)
            std::perror("tikora_dead_mount: the FUSE mount");
        const char answer = mounted ? 'y' : 'n';
        (void)!::write(ready[1], &answer, 1);
        for (;;)
            ::pause();
    }
    char answer = 'n';
    if (::read(ready[0], &answer, 1) != 1 || answer != 'y')
        return 2;
    ::execv(argv[2], argv + 2);
    std::perror("tikora_dead_mount: the program");
    return 2;
}
