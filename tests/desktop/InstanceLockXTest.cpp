#include "XTest.h"

// The single-instance lock: one copy at a time, kept where no other user can reach it, and never
// one that another user could have put in its place.

namespace {

const QString kLockName = "tikora-clock.lock";

const QString kPrivateFolder = QString("tmp/tikora-clock-%1").arg(::geteuid());

using InstanceLockX = XTest;

// A second copy ends at once: silently when a screen-saver host starts it, without a terminal,
// and saying why when a user starts it at one.
TEST_F(InstanceLockX, ASecondCopyEndsAtOnceAndAKilledOneBlocksNoLaterStart)
{
    ClockProcess second(x->display());
    ClockProcess atTerminal(x->display());
    ClockProcess third(x->display());
    ASSERT_NO_FATAL_FAILURE(startClock());
    ASSERT_TRUE(second.start({"/s"}, {}, clock->path("tmp")));
    EXPECT_TRUE(second.endsWithin(kPromptEndMs));
    EXPECT_EQ(second.output(), "");
    // script(1) gives the copy a terminal of its own and writes what it shows.
    atTerminal.setProgram("script");
    ASSERT_TRUE(atTerminal.start({"-qec", clock->path("tikora-clock") + " /s", "/dev/null"}, {},
                                 clock->path("tmp")));
    EXPECT_TRUE(atTerminal.endsWithin(kPromptEndMs));
    EXPECT_NE(atTerminal.output().find("tikora-clock: the clock runs already; this copy ends"),
              std::string::npos)
        << atTerminal.output();
    EXPECT_TRUE(clock->runsAfter(0));
    clock->kill();
    ASSERT_TRUE(third.start({"/s"}, {}, clock->path("tmp")));
    EXPECT_TRUE(third.runsAfter(kStillRunningMs));
}

// Something in the lock's place that its maker could use to stop the clock or to have it make
// a file elsewhere: another user's file, held locked, or a link to a file held locked or to a
// new file. A held file stands where the lock, or the link's target, is.
TEST_F(InstanceLockX, TrapInTheLocksPlaceIsNotUsed)
{
    QString why;
    const auto other = OrdinaryUser::get(why);
    // Root may open another user's file, so only root can show that such a file is refused.
    const bool othersFiles = ::geteuid() == 0 && other;
    // Whether it is a link, whether a file is held, and whether it stands, without
    // XDG_RUNTIME_DIR, in a private folder that another user made.
    // clang-format off
    struct Trap { const char* name; bool link; bool held; bool inPrivateFolder; };
    const Trap traps[] = {{"another user's lock", false, true, false},
                          {"a link to a held file", true, true, false},
                          {"a link to no file", true, false, false},
                          {"another user's folder", false, true, true}};
    // clang-format on
    for (const auto& [name, link, held, inPrivateFolder] : traps) {
        SCOPED_TRACE(std::string(name) + (link || othersFiles ? "" : ": only root can make it"));
        if (!link && !othersFiles)
            continue;
        nextRun();
        const QString folder = clock->path(inPrivateFolder ? kPrivateFolder : "tmp");
        const QString lock = folder + "/" + kLockName;
        const QString target = clock->path("target");
        ASSERT_TRUE(QDir().mkpath(folder));
        if (link) {
            ASSERT_TRUE(QFile::link(target, lock));
        }
        if (held) {
            ASSERT_TRUE(QFile(link ? target : lock).open(QIODevice::WriteOnly));
            ASSERT_NO_FATAL_FAILURE(holdLock(link ? target : lock));
        }
        if (!link) {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            other->give(inPrivateFolder ? folder : lock);
        }
        if (inPrivateFolder)
            clock->setEnvironment("XDG_RUNTIME_DIR", std::nullopt);
        ASSERT_NO_FATAL_FAILURE(startClock());
        EXPECT_TRUE(clock->runsAfter(0));
        EXPECT_EQ(QFileInfo::exists(target), link && held);
    }
}

} // namespace
