#include "DesktopTest.h"

#include <QFileInfo>

#include <sys/stat.h>

// The single-instance lock: kept where no other user can reach it, and never one that another
// user could have put in its place.

namespace {

const QPoint kCentreRim{476, 384};
const QString kLockName = "tikora-clock.lock";

class InstanceLockX : public DesktopTest {
protected:
    // Holds an exclusive lock on `file` from another process for the rest of the test.
    void holdLock(const QString& file)
    {
        m_holder.start("flock", {"--nonblock", file, "sleep", "30"});
        ASSERT_TRUE(m_holder.waitForStarted()) << "flock (util-linux) is needed";
        ASSERT_FALSE(m_holder.waitForFinished(300)) << "the lock was not held";
    }
    void TearDown() override
    {
        m_holder.kill();
        m_holder.waitForFinished();
    }
    // A run of the program that the lock must not stop.
    void expectTheClockRuns()
    {
        ASSERT_TRUE(clock->start({"/s"}));
        EXPECT_TRUE(waitForColour(kCentreRim, kSeconds)) << clock->output();
        EXPECT_TRUE(clock->runsAfter(0));
    }

private:
    QProcess m_holder;
};

// Root may open another user's file, so only root can show that such a file is refused.
void skipUnlessRoot()
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can make a file that belongs to another user";
}

TEST_F(InstanceLockX, LockFileOfAnotherUserIsNotUsed)
{
    skipUnlessRoot();
    QString why;
    const auto other = OrdinaryUser::get(why);
    if (!other)
        GTEST_SKIP() << why.toStdString();
    const QString lock = clock->path("tmp/" + kLockName);
    ASSERT_TRUE(QDir().mkpath(clock->path("tmp")));
    ASSERT_TRUE(QFile(lock).open(QIODevice::WriteOnly));
    other->give(lock);
    ASSERT_NO_FATAL_FAILURE(holdLock(lock));
    expectTheClockRuns();
}

struct LinkCase {
    const char* name;
    bool targetExists;
};

class LockLinkX : public InstanceLockX, public ::testing::WithParamInterface<LinkCase> {};

// A link in the lock's place would let its maker choose the file: one held locked, or a new
// file made wherever the link points.
TEST_P(LockLinkX, LinkInTheLockPlaceIsNotFollowed)
{
    ASSERT_TRUE(QDir().mkpath(clock->path("tmp")));
    const QString target = clock->path("target");
    if (GetParam().targetExists) {
        ASSERT_TRUE(QFile(target).open(QIODevice::WriteOnly));
        ASSERT_NO_FATAL_FAILURE(holdLock(target));
    }
    ASSERT_TRUE(QFile::link(target, clock->path("tmp/" + kLockName)));
    expectTheClockRuns();
    EXPECT_EQ(QFileInfo::exists(target), GetParam().targetExists);
}

INSTANTIATE_TEST_SUITE_P(Cases, LockLinkX,
                         ::testing::Values(LinkCase{"ToAHeldFile", true},
                                           LinkCase{"ToNoFile", false}),
                         [](const auto& info) { return std::string(info.param.name); });

// Without XDG_RUNTIME_DIR the lock lives in a folder of the user's own in the temporary folder.
TEST_F(InstanceLockX, WithoutRuntimeFolderAPrivateFolderHoldsTheLock)
{
    clock->setEnvironment("XDG_RUNTIME_DIR", std::nullopt);
    ASSERT_TRUE(clock->start({"/s"}));
    ASSERT_TRUE(waitForColour(kCentreRim, kSeconds)) << clock->output();
    const QString folder = clock->path(QString("tmp/tikora-clock-%1").arg(::geteuid()));
    struct stat status = {};
    ASSERT_EQ(::lstat(QFile::encodeName(folder).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0700u);
    EXPECT_TRUE(QFileInfo::exists(folder + "/" + kLockName));

    ClockProcess second(x->display());
    second.setEnvironment("XDG_RUNTIME_DIR", std::nullopt);
    ASSERT_TRUE(second.start({"/s"}, {}, clock->path("tmp")));
    EXPECT_TRUE(second.endsWithin(kPromptEndMs));
}

TEST_F(InstanceLockX, PrivateFolderMadeByAnotherUserIsNotUsed)
{
    skipUnlessRoot();
    QString why;
    const auto other = OrdinaryUser::get(why);
    if (!other)
        GTEST_SKIP() << why.toStdString();
    const QString folder = clock->path(QString("tmp/tikora-clock-%1").arg(::geteuid()));
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(QFile(folder + "/" + kLockName).open(QIODevice::WriteOnly));
    ::chmod(QFile::encodeName(folder).constData(), 0700);
    other->give(folder);
    ASSERT_NO_FATAL_FAILURE(holdLock(folder + "/" + kLockName));
    clock->setEnvironment("XDG_RUNTIME_DIR", std::nullopt);
    expectTheClockRuns();
}

} // namespace
