#include "PatientQuestion.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include <sys/resource.h>
#include <unistd.h>

// The file rules' behaviour at the process's limits, which only a POSIX system lets a test set.

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
constexpr bool kSanitized = __has_feature(address_sanitizer);
#else
constexpr bool kSanitized = false;
#endif

// Leaves the process a megabyte of address space more than it has: too little for a thread's
// stack, as under a user's address-space or process limit.
void leaveNoRoomForAThread()
{
    std::size_t pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    const rlim_t room = pages * ::sysconf(_SC_PAGESIZE) + 1024 * 1024;
    const rlimit limit{room, room};
    ::setrlimit(RLIMIT_AS, &limit);
}

// Work for which no thread can be made is refused, and the caller tries again later; nothing
// of it runs, and the program goes on.
TEST(FileRulesAtLimits, WorkWithoutAThreadIsRefused)
{
    if (kSanitized)
        GTEST_SKIP() << "a sanitizer's own allocations fail first under an address-space limit";
    // A fresh process: one that has ended threads keeps their stacks for the next ones.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            leaveNoRoomForAThread();
            bool ran = false;
            const bool started =
                PatientQuestion::whenDone([&ran] { ran = true; }, [&ran] { ran = true; }, nullptr);
            std::_Exit(!started && !ran ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

} // namespace
