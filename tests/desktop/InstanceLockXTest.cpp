#include "XTest.h"

// The single-instance lock: one copy at a time, kept where no other user can reach it, and never
// one that another user could have put in its place.

namespace {

const QString kLockName = "tikora-clock.lock";

const QString kPrivateFolder = QString("tmp/tikora-clock-%1").arg(::geteuid());

using InstanceLockX = XTest;

// With XDG_RUNTIME_DIR, and without it, when the lock lives in a folder of the user's own in
// the temporary folder.
TEST_F(InstanceLockX, ASecondCopyEndsAtOnceAndAKilledOneBlocksNoLaterStart)
{
    for (const bool runtimeFolder : {true, false}) {
        SCOPED_TRACE(runtimeFolder ? "in the runtime folder" : "in the temporary folder");
        nextRun();
        ClockProcess second(x->display());
        ClockProcess third(x->display());
        for (ClockProcess* run : {clock.get(), &second, &third}) {
            if (!runtimeFolder)
                run->setEnvironment("XDG_RUNTIME_DIR", std::nullopt);
        }
        ASSERT_NO_FATAL_FAILURE(startClock());
        if (!runtimeFolder) {
            const QFileInfo folder(clock->path(kPrivateFolder));
            EXPECT_TRUE(folder.isDir() && !folder.isSymLink() && folder.ownerId() == ::geteuid());
            EXPECT_EQ(int(folder.permissions() & 0x0077), 0) << "only for the user's eyes";
            EXPECT_TRUE(QFileInfo::exists(clock->path(kPrivateFolder + "/" + kLockName)));
        }
        ASSERT_TRUE(second.start({"/s"}, {}, clock->path("tmp")));
        EXPECT_TRUE(second.endsWithin(kPromptEndMs));
        EXPECT_TRUE(clock->runsAfter(0));
        clock->kill();
        ASSERT_TRUE(third.start({"/s"}, {}, clock->path("tmp")));
        EXPECT_TRUE(third.runsAfter(kStillRunningMs));
    }
}

// Something in the lock's place that its maker could use to stop the clock or to have it make
// a file elsewhere: another user's file, held locked, or a link to a file held locked or to a
// new file. A held file stands where the lock, or the link's target, is.
struct TrapCase {
    const char* name;
    bool link;
    bool held;
    // Without XDG_RUNTIME_DIR, in a private folder that another user made.
    bool inPrivateFolder;
};

class LockTrapX : public XTest, public ::testing::WithParamInterface<TrapCase> {};

TEST_P(LockTrapX, IsNotUsed)
{
    const TrapCase& trap = GetParam();
    QString why;
    const auto other = OrdinaryUser::get(why);
    // Root may open another user's file, so only root can show that such a file is refused.
    if (!trap.link && (::geteuid() != 0 || !other))
        GTEST_SKIP() << "only root can make a file of another user " << why.toStdString();
    const QString folder = clock->path(trap.inPrivateFolder ? kPrivateFolder : "tmp");
    const QString lock = folder + "/" + kLockName;
    const QString target = clock->path("target");
    ASSERT_TRUE(QDir().mkpath(folder));
    if (trap.link) {
        ASSERT_TRUE(QFile::link(target, lock));
    }
    if (trap.held) {
        ASSERT_TRUE(QFile(trap.link ? target : lock).open(QIODevice::WriteOnly));
        ASSERT_NO_FATAL_FAILURE(holdLock(trap.link ? target : lock));
    }
    if (!trap.link) {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        other->give(trap.inPrivateFolder ? folder : lock);
    }
    if (trap.inPrivateFolder)
        clock->setEnvironment("XDG_RUNTIME_DIR", std::nullopt);
    ASSERT_NO_FATAL_FAILURE(startClock());
    EXPECT_TRUE(clock->runsAfter(0));
    EXPECT_EQ(QFileInfo::exists(target), trap.link && trap.held);
}

INSTANTIATE_TEST_SUITE_P(Cases, LockTrapX,
                         ::testing::Values(TrapCase{"AnotherUsersLock", false, true, false},
                                           TrapCase{"LinkToAHeldFile", true, true, false},
                                           TrapCase{"LinkToNoFile", true, false, false},
                                           TrapCase{"AnotherUsersFolder", false, true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
